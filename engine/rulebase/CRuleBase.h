#pragma once

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <limits>
#include <memory>
#include <optional>
#include <span>
#include <stop_token>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "inference/DefuzzificationMethodTable.h"
#include "inference/InferenceMethodTable.h"
#include "inference/compiled/CompiledRuleBase.h"
#include "rulebase/CFuzzyVariable.h"
#include "rulebase/CValue.h"
#include "rulebase/DescriptionType.h"
#include "rulebase/RuleRow.h"

namespace zorv {

class CSettings;
class FTInferenceFilter;
class Workspace;

// A rule base ("inference unit") as it is edited and stored: input (antecedent) and output (succedent)
// variables, the rules as rows of expression cells interned in a shared pool, the chosen inference and
// defuzzification methods. It keeps no evaluation state: evaluation goes through its compiled form
// (CompiledRuleBase, immutable, made by Compile() and renewed whenever a choice changes) with the caller's
// Workspace, which keeps what the evaluation leaves (inputs, fired rules, their count, the output set).
//
// Variables are addressed by one signed index: antecedent k is k, succedent k is -(k + 1) (~k).
// A copy is an independent document (its own variables, vocabularies and cells) that starts with the
// original's compiled form and filter.
class CRuleBase {
public:
    // "None" for variable lookups: outside every signed index range.
    static constexpr int kNoVariable = std::numeric_limits<int>::min();

    // An empty unit of the given type: no variables, no rules, the default methods of the type
    // (Perception-based Logical Deduction for linguistic units, Takagi-Sugeno otherwise; Simple DEE),
    // name "Default name", empty description.
    explicit CRuleBase(DescriptionType type);
    ~CRuleBase();
    CRuleBase(const CRuleBase& other);
    CRuleBase& operator=(const CRuleBase& other);
    CRuleBase(CRuleBase&&) noexcept;
    CRuleBase& operator=(CRuleBase&&) noexcept;

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

    // Recompiles every cell and recomputes rule specificity, then makes the compiled form anew.
    // Every cell is compiled even when one fails; the first failure is then thrown (ESyntax) and the
    // failing cells act as all-zero sets (zero coefficients).
    void Compile();
    // The current compiled form: the cells as the last Compile() left them, with the current choices (methods,
    // perception thresholds, steps, enabled rules). Never null; the unit may change or go while a holder of the
    // pointer still evaluates it.
    std::shared_ptr<const CompiledRuleBase> Compiled() const { return compiled_; }

    // --- cell pool ----------------------------------------------------------------------------------------
    int PoolSize() const { return static_cast<int>(pool_.size()); }
    // The cell at pool position i; null for a slot emptied by releasing its cell.
    const CValue* PoolCell(int i) const { return pool_[static_cast<std::size_t>(i)].get(); }
    const CValue& Cell(int signedIndex, int rule) const;

    // --- evaluation ---------------------------------------------------------------------------------------
    // The crisp output for one input per antecedent (in antecedent order), through the current compiled form
    // on the caller's workspace, which afterwards holds the inputs, the fired rules and the output set. Throws
    // ERefused when the compiled form refuses the evaluation.
    double Evaluate(std::span<const double> inputs, Workspace& workspace) const;
    double Evaluate(const double* inputs, Workspace& workspace) const;
    // The same on a workspace made for this one call: nothing of the evaluation is kept.
    double Evaluate(std::span<const double> inputs) const;
    double Evaluate(const double* inputs) const;

    // --- properties ---------------------------------------------------------------------------------------
    // The setters of what evaluation reads (type, methods, perception thresholds, steps, enabled flags) take
    // effect at once: each renews the compiled form (the cells are shared, not compiled again).
    DescriptionType descriptionType() const { return descriptionType_; }
    void SetDescriptionType(DescriptionType type);
    const std::string& Description() const { return description_; }
    void SetDescription(std::string description) { description_ = std::move(description); }
    const std::string& Name() const { return name_; }
    void SetName(std::string name) { name_ = std::move(name); }

    const InferenceMethodEntry& InferenceMethod() const { return *inferenceMethod_; }
    void SetInferenceMethod(const InferenceMethodEntry& method);
    const DefuzzificationMethodEntry& DefuzzificationMethod() const { return *defuzzificationMethod_; }
    void SetDefuzzificationMethod(const DefuzzificationMethodEntry& method);

    // --- F-transform filter -------------------------------------------------------------------------------
    // Progress of a filter rebuild: (samples evaluated, all samples), reported on the calling thread.
    using FilterProgress = std::function<void(int done, int total)>;

    bool UseFuzzyFilter() const { return useFuzzyFilter_; }
    // Stores the switch (file key UseFuzzyFilter). Nothing is built here: the filter is made when a filtered
    // evaluation first needs it. Switching it on returns why the filter could not be built now
    // (FilterRefusal), so that the caller can say so at once; the switch stays on as set. None otherwise.
    std::optional<std::string> SetUseFuzzyFilter(bool use);
    // Why a filter could not be built for the current compiled form (too costly, no input, a context that is
    // no interval, an evaluation the compiled form refuses); none when it could. Cheap: nothing is evaluated.
    std::optional<std::string> FilterRefusal() const;
    // Fits a new filter to the current compiled form, sampling on all cores. Throws ERefused (see
    // FilterRefusal) and returns false when stop was requested before the end; in both cases the previous
    // filter stays.
    bool RebuildFilter(const FilterProgress& progress = {}, std::stop_token stop = {});
    // The output through the filter, for one input per antecedent. The filter is built first when the unit
    // has none made from its current compiled form (ERefused as for RebuildFilter).
    double EvaluateFiltered(const double* inputs);
    // The last filter built or given, which may have been made from an earlier compiled form; null before.
    std::shared_ptr<const FTInferenceFilter> Filter() const { return filter_; }
    // Whether Filter() was made from the current compiled form.
    bool FilterIsCurrent() const;
    // Takes a filter built elsewhere (e.g. on a worker thread, from Compiled()); it is used while it is
    // current.
    void SetFilter(std::shared_ptr<const FTInferenceFilter> filter) { filter_ = std::move(filter); }

    double PerceptionUpper() const { return perceptionUpper_; }
    double PerceptionLower() const { return perceptionLower_; }
    void SetPerceptionUpper(double value);
    void SetPerceptionLower(double value);
    int Steps() const { return steps_; }
    void SetSteps(int steps);

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
    // The first cell (pool position) that did not compile, and why.
    struct CellFailure {
        int cell;
        ESyntax error;
    };
    // Compile() without the throw: every cell is compiled, then the first failure is returned.
    std::optional<CellFailure> CompileCells();
    // Used by the reader, which builds the unit in place and compiles it once at the end.
    void AppendLoadedVariable(CFuzzyVariable variable, bool antecedent);
    std::optional<CellFailure> FinishLoad();
    void RenumberOwnersAfterDelete(int deleted);
    void ComputeSpecificity();
    // Makes the compiled form anew from the compiled rules and the current choices.
    void Rechoose();

    std::shared_ptr<const FTInferenceFilter> filter_;
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
    int steps_ = 100;
    std::vector<std::uint16_t> specificity_;
    std::vector<std::uint8_t> enabled_;
    std::vector<std::string> comments_;
    std::string trailingComment_;
    std::shared_ptr<const CompiledRules> rules_;
    std::shared_ptr<const CompiledRuleBase> compiled_;
};

}  // namespace zorv
