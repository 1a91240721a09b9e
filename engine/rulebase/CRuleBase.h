#pragma once

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <limits>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "inference/DefuzzificationMethodTable.h"
#include "inference/InferenceMethodTable.h"
#include "inference/InferenceScratch.h"
#include "rulebase/CFuzzyVariable.h"
#include "rulebase/CValue.h"
#include "rulebase/DescriptionType.h"
#include "rulebase/RuleRow.h"

namespace zorv {

class CSettings;
class FTInferenceFilter;

// A rule base ("inference unit"): input (antecedent) and output (succedent) variables, the rules as rows of
// expression cells interned in a shared pool, the chosen inference and defuzzification methods, and the
// per-rule bookkeeping of the last evaluation.
//
// Variables are addressed by one signed index: antecedent k is k, succedent k is -(k + 1) (~k).
// A unit is neither copied nor moved: inference keeps working memory that refers to it.
class CRuleBase {
public:
    // "None" for variable lookups: outside every signed index range.
    static constexpr int kNoVariable = std::numeric_limits<int>::min();

    // An empty unit of the given type: no variables, no rules, the default methods of the type
    // (Perception-based Logical Deduction for linguistic units, Takagi-Sugeno otherwise; Simple DEE),
    // name "Default name", empty description.
    explicit CRuleBase(DescriptionType type);
    ~CRuleBase();
    CRuleBase(const CRuleBase&) = delete;
    CRuleBase& operator=(const CRuleBase&) = delete;

    // A new unit as the "new rule base" command makes it: X and Y over <0, 1> at 301 points and one rule
    // "ze" -> "ze" (linguistic) or "ze" -> "0.5" (other types, Y with linear settings).
    static std::unique_ptr<CRuleBase> Create(DescriptionType type);

    // Reads a rule base file; the unit's name becomes path. Throws ESyntax. A corrected rule count and a
    // filter that could not be built are reported, one line each, on diagnostics; the forms without a
    // diagnostics stream drop those warnings (loading writes nowhere by itself).
    static std::unique_ptr<CRuleBase> Load(const std::string& path, std::ostream& diagnostics);
    static std::unique_ptr<CRuleBase> Load(const std::string& path);
    // Reads rule base text held in memory; name becomes the unit's name.
    static std::unique_ptr<CRuleBase> LoadFromText(std::string_view text, std::string name,
                                                   std::ostream& diagnostics);
    static std::unique_ptr<CRuleBase> LoadFromText(std::string_view text, std::string name);

    // Writes the rule base file text. Throws EWrite, before writing anything, when the unit holds something
    // the file cannot express, and EWrite when the stream fails.
    void Save(std::ostream& out) const;
    // Writes to a temporary file beside path and renames it over path once the whole text is written;
    // on any failure path keeps its previous content and EWrite is thrown.
    void SaveToFile(const std::string& path) const;

    // --- variables --------------------------------------------------------------------------------------
    int AntecedentCount() const { return static_cast<int>(antecedents_.size()); }
    int SuccedentCount() const { return static_cast<int>(succedents_.size()); }
    bool IsVariable(int signedIndex) const;

    // The variable at a signed index (std::out_of_range for any other index). A change of a vocabulary made
    // through the mutable accessors (its context, its user terms) takes effect on the next Compile().
    const CFuzzyVariable& Variable(int signedIndex) const;
    CFuzzyVariable& Variable(int signedIndex);
    const std::string& VariableName(int signedIndex) const { return Variable(signedIndex).Name(); }
    const CSettings& Settings(int signedIndex) const { return Variable(signedIndex).Settings(); }
    CSettings& Settings(int signedIndex) { return Variable(signedIndex).Settings(); }
    double ContextLow(int signedIndex) const;
    double ContextHigh(int signedIndex) const;
    int Discretization(int signedIndex) const { return Variable(signedIndex).Discretization(); }
    const std::vector<int>& CellIndex(int signedIndex) const { return Variable(signedIndex).CellIndex(); }

    // Signed index of the variable named name (exact match), scanning succedents from the last to the
    // first, then antecedents from the first; kNoVariable when absent.
    int FindVariable(std::string_view name) const;
    // The signed index of the variable met before signedIndex, in the same scan order, that holds the same
    // settings object; kNoVariable when signedIndex owns its settings.
    int AliasOwner(int signedIndex) const;

    // Appends an input (output) variable. Its rule-r expression is the text of variable templateIndex
    // (a signed index) in rule r; templateIndex may be kNoVariable only when the unit has no rules.
    // Linear settings are refused for an input (std::invalid_argument). Ends with Compile().
    void AddAntecedent(CFuzzyVariable variable, int templateIndex);
    void AddSuccedent(CFuzzyVariable variable, int templateIndex);
    // Removes a variable and releases its cells; later variables of its kind move down one index. Its
    // settings live on while an alias holds them. Removing the last antecedent removes every rule.
    // Ends with Compile().
    void DeleteVariable(int signedIndex);

    // --- rules --------------------------------------------------------------------------------------------
    // Number of rules; 0 when the unit has no antecedent.
    int RuleCount() const;
    const std::string& AntecedentText(int k, int rule) const;
    const std::string& SuccedentText(int k, int rule) const;
    const std::string& Text(int signedIndex, int rule) const;

    // Replaces every rule; each row holds AntecedentCount() + SuccedentCount() texts
    // (std::invalid_argument otherwise, the unit unchanged). A unit without antecedents keeps no rules.
    // Ends with Compile().
    void SetRules(std::span<const RuleRow> rows);
    // Rows of texts whose first item is the enabled flag ("1" = enabled) followed by the expression texts.
    void SetRules(const std::vector<std::vector<std::string>>& rows);
    // The rules as rows (the inverse of SetRules).
    std::vector<RuleRow> Rules() const;

    bool Enabled(int rule) const { return enabled_[static_cast<std::size_t>(rule)] != 0; }
    void SetEnabled(int rule, bool enabled);
    // The ";" comment lines written before a rule in the file (joined by line feeds), and those after the
    // last rule. Both are kept through reading and writing; empty when the file has none.
    const std::string& Comment(int rule) const { return comments_[static_cast<std::size_t>(rule)]; }
    const std::string& TrailingComment() const { return trailingComment_; }
    void SetTrailingComment(std::string comment) { trailingComment_ = std::move(comment); }
    std::uint16_t Specificity(int rule) const { return specificity_[static_cast<std::size_t>(rule)]; }

    // Recompiles every cell and recomputes rule specificity, then prepares the inference working memory.
    // Every cell is compiled even when one fails; the first failure is then thrown (ESyntax) and the
    // failing cells act as all-zero sets (zero coefficients).
    void Compile();

    // --- cell pool ----------------------------------------------------------------------------------------
    int PoolSize() const { return static_cast<int>(pool_.size()); }
    // The cell at pool position i; null for a slot emptied by releasing its cell.
    const CValue* PoolCell(int i) const { return pool_[static_cast<std::size_t>(i)].get(); }
    const CValue& Cell(int signedIndex, int rule) const;

    // --- evaluation state ---------------------------------------------------------------------------------
    std::vector<double>& InputBuffer() { return inputBuffer_; }
    const std::vector<double>& InputBuffer() const { return inputBuffer_; }
    std::vector<std::uint8_t>& Fired() { return fired_; }
    const std::vector<std::uint8_t>& Fired() const { return fired_; }
    int FiredCount() const { return firedCount_; }
    void SetFiredCount(int count) { firedCount_ = count; }
    InferenceScratch& Scratch() const { return scratch_; }

    // The crisp output for one input per antecedent (in antecedent order), through the unit's methods.
    double Evaluate(const double* inputs);

    // --- properties ---------------------------------------------------------------------------------------
    DescriptionType descriptionType() const { return descriptionType_; }
    void SetDescriptionType(DescriptionType type) { descriptionType_ = type; }
    const std::string& Description() const { return description_; }
    void SetDescription(std::string description) { description_ = std::move(description); }
    const std::string& Name() const { return name_; }
    void SetName(std::string name) { name_ = std::move(name); }

    const InferenceMethodEntry& InferenceMethod() const { return *inferenceMethod_; }
    void SetInferenceMethod(const InferenceMethodEntry& method) { inferenceMethod_ = &method; }
    const DefuzzificationMethodEntry& DefuzzificationMethod() const { return *defuzzificationMethod_; }
    void SetDefuzzificationMethod(const DefuzzificationMethodEntry& method) { defuzzificationMethod_ = &method; }

    // --- F-transform filter -------------------------------------------------------------------------------
    // Progress of a filter rebuild: (samples evaluated, all samples), reported on the calling thread.
    using FilterProgress = std::function<void(int done, int total)>;

    bool UseFuzzyFilter() const { return useFuzzyFilter_; }
    // Stores the switch (file key UseFuzzyFilter); nothing happens when it is unchanged. Switching it on
    // rebuilds the filter; switching it off keeps the filter as it is. Setting the switch never fails: when
    // the rebuild is refused (see RebuildFilter) the switch stays on as set, the filter is left as it was,
    // and the refusal's message is returned (the filtered evaluation refuses likewise until a rebuild
    // succeeds). None otherwise.
    std::optional<std::string> SetUseFuzzyFilter(bool use, const FilterProgress& progress = {});
    // Fits the filter to the unit's current response: rebuilds the filter, or makes the first one. Leaves the
    // unit's input buffer and fired flags as after evaluating the last sample. Throws ERefused when the
    // rebuild would take too many inferences or cannot be fitted; the filter is then left as it was.
    void RebuildFilter(const FilterProgress& progress = {});
    // The output through the filter, for one input per antecedent. The filter is built first when the unit
    // has none, or none for its current number of antecedents (ERefused as for RebuildFilter).
    double EvaluateFiltered(const double* inputs);
    // The filter, null until it is first built.
    const FTInferenceFilter* Filter() const { return filter_.get(); }

    double PerceptionUpper() const { return perceptionUpper_; }
    double PerceptionLower() const { return perceptionLower_; }
    void SetPerceptionUpper(double value) { perceptionUpper_ = value; }
    void SetPerceptionLower(double value) { perceptionLower_ = value; }
    int Steps() const { return steps_; }
    void SetSteps(int steps) { steps_ = steps; }

private:
    friend class CRuleBaseReader;

    struct CellKey {
        std::string text;
        const CSettings* settings;
        int discretization;
        bool operator==(const CellKey&) const = default;
    };
    struct CellKeyHash {
        std::size_t operator()(const CellKey& key) const;
    };

    std::vector<std::unique_ptr<CFuzzyVariable>>& ListOf(int signedIndex);
    CellKey KeyOf(const CValue& cell) const;
    int Intern(std::string_view text, int signedIndex);
    void ReleaseCell(int poolIndex);
    void ClearRules();
    void AppendRule(bool enabled, std::span<const std::string_view> texts, std::string comment = {});
    void AppendVariable(CFuzzyVariable variable, int templateIndex, bool antecedent);
    // Used by the reader, which builds the unit in place and compiles it once at the end.
    void AppendLoadedVariable(CFuzzyVariable variable, bool antecedent);
    void FinishLoad();
    void RenumberOwnersAfterDelete(int deleted);
    void ComputeSpecificity();

    std::unique_ptr<FTInferenceFilter> filter_;
    bool useFuzzyFilter_ = false;
    std::string description_;
    std::string name_ = "Default name";
    DescriptionType descriptionType_;
    double perceptionUpper_ = 0.8;
    double perceptionLower_ = 0.2;
    const InferenceMethodEntry* inferenceMethod_ = nullptr;
    const DefuzzificationMethodEntry* defuzzificationMethod_ = nullptr;
    std::vector<std::unique_ptr<CFuzzyVariable>> antecedents_;
    std::vector<std::unique_ptr<CFuzzyVariable>> succedents_;
    std::vector<std::unique_ptr<CValue>> pool_;
    std::unordered_map<CellKey, int, CellKeyHash> poolLookup_;
    std::vector<double> inputBuffer_;
    int steps_ = 100;
    std::vector<std::uint16_t> specificity_;
    int firedCount_ = -1;
    std::vector<std::uint8_t> fired_;
    std::vector<std::uint8_t> enabled_;
    std::vector<std::string> comments_;
    std::string trailingComment_;
    mutable InferenceScratch scratch_;
};

}  // namespace zorv
