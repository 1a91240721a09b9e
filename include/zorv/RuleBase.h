#pragma once

#include <filesystem>
#include <functional>
#include <initializer_list>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "zorv/Export.h"
#include "zorv/Types.h"
#include "zorv/Vocabulary.h"

namespace zorv {

struct Learning;

// A fuzzy rule base: input and output variables, rules written as rows of expressions, and the inference and
// defuzzification methods that turn crisp inputs into the crisp value of the first output.
//
//   zorv::RuleBase heater = zorv::RuleBase::load("heater.rb");
//   double power = heater.evaluate({16.5, -3.0});
//   double same = heater.evaluate({{"indoor", 16.5}, {"outdoor", -3.0}});
//
// Inputs outside a variable's context are taken at the nearest end of it. Evaluation is const and may run
// on several threads at once; loading, saving and changing methods are not to run alongside anything else
// on the same rule base. Failures throw Error (SyntaxError for text the engine cannot read).
class ZORV_API RuleBase {
public:
    // Reads a rule base file. Warnings of the reader (a corrected rule count) come back in warnings().
    static RuleBase load(const std::filesystem::path& path);
    // Reads the text of a rule base file held in memory; name is kept as the rule base's name.
    static RuleBase fromText(std::string_view text, std::string name = "");
    // A new rule base as the workbench makes one: X and Y over <0, 1>, one rule "ze" -> "ze" (linguistic)
    // or "ze" -> "0.5" (the others).
    static RuleBase create(RuleBaseKind kind = RuleBaseKind::linguistic);

    // A rule base moves; copy() makes an independent copy. One moved from may only be assigned to or
    // destroyed.
    RuleBase(RuleBase&&) noexcept;
    RuleBase& operator=(RuleBase&&) noexcept;
    ~RuleBase();

    // An independent rule base equal to this one (methods, steps and reader warnings included).
    RuleBase copy() const;

    // Writes the rule base file; the previous file stays as it was when writing fails.
    void save(const std::filesystem::path& path) const;
    // The text save() writes.
    std::string text() const;
    const std::vector<std::string>& warnings() const;

    const std::string& name() const;
    const std::string& description() const;
    RuleBaseKind kind() const;

    std::vector<Variable> inputs() const;
    std::vector<Variable> outputs() const;
    Variable variable(VariableRef ref) const;
    // The variable of that name: the last output, else the first input, that has it.
    std::optional<VariableRef> find(std::string_view name) const;
    Vocabulary vocabulary(VariableRef ref) const;
    std::vector<Rule> rules() const;

    Method inferenceMethod() const;
    Method defuzzificationMethod() const;
    // Select a method by its display name, key or short name. Throws Error for an unknown name and for an
    // inference method that does not fit the rule base (Takagi-Sugeno for a linguistic one, any other for
    // takagiSugeno and singleton rule bases).
    void setInferenceMethod(std::string_view name);
    void setDefuzzificationMethod(std::string_view name);
    // The inference methods that fit this rule base, and every defuzzification method.
    std::vector<Method> inferenceMethods() const;
    static std::vector<Method> defuzzificationMethods();
    // The resolution of the smooth defuzzification (kMinSteps .. kMaxSteps; 100 for a rule base loaded or
    // made here, 25 in the workbench's test window). The rule base file does not hold it.
    static constexpr int kMinSteps = 1;
    static constexpr int kMaxSteps = 1'000'000;
    int steps() const;
    void setSteps(int steps);

    // count evenly spaced values over the context of an input: low + i (high - low)/(count - 1), the last
    // exactly high (low alone for a count of 1). The surface window and `zorv surface` evaluate on these
    // values (count = steps), the projection on count = steps + 1. Throws Error for a count below 1 or above
    // 1000000.
    std::vector<double> gridValues(VariableRef input, int count) const;

    // The crisp value of the first output for one value per input, in input order. A rule base without an
    // output, and a linguistic one that holds the Takagi-Sugeno inference (a file may say so), throw Error.
    double evaluate(std::span<const double> inputs) const;
    double evaluate(std::initializer_list<double> inputs) const;
    // The same with every input given by name.
    double evaluate(const std::map<std::string, double, std::less<>>& inputs) const;
    // The value with the fired rules and the conclusion of the inference at the inputs.
    Evaluation explain(std::span<const double> inputs) const;
    // Evaluates rows.size() / inputs().size() rows of inputs stored one after another into out, which
    // holds one value per row, on at most threads threads (0: every core; the values do not depend on it).
    // A bad row stops the run with an Error naming it (rows count from 0); ShapeError when the values do
    // not make out.size() rows.
    void evaluateRows(std::span<const double> rows, std::span<double> out, int threads = 0) const;

    // Learns one rule from every data row, as `zorv learn` and the data table's Learn commands do, and
    // returns the learned copy (this rule base stays as it is). rows holds one value per variable a row,
    // the inputs in order, then the outputs; each value is clamped into its variable's context, and a row
    // with a value that is not a finite number, or one that cannot be described, gives no rule. The rule
    // list (the rules, then the learned ones, each expression followed by a tab, then the count 1) goes to
    // rulesFile unless it is empty. Throws Error with the refusal ("... does not contain user defined
    // terms.") and ShapeError when the values do not make whole rows.
    Learning learn(LearningMethod method, std::span<const double> rows,
                   const std::filesystem::path& rulesFile = {}) const;
    // learn() in two steps, for data split into parts learned apart (in other threads or processes): the
    // rule of a row depends on that row alone, so
    //   std::vector<LearnedRow> part = base.learnRows(method, rowsOfPart);   // for every part
    //   Learning done = base.addLearnedRules(method, every part's rules in data order, rulesFile);
    // gives what learn() gives on the whole data, when each part's rows are renumbered from the first row
    // of the data. Both work on this rule base as it is before learning, and refuse as learn() does.
    std::vector<LearnedRow> learnRows(LearningMethod method, std::span<const double> rows) const;
    Learning addLearnedRules(LearningMethod method, std::span<const LearnedRow> learned,
                             const std::filesystem::path& rulesFile = {}) const;

private:
    struct Impl;
    explicit RuleBase(std::unique_ptr<Impl> impl);

    std::unique_ptr<Impl> impl_;
};

// What learning made: the learned rule base, the number of rules learned from data rows and put into it, and
// one line for every rule left out because one of its cells does not compile with the vocabularies after
// learning ("The rule of data row 4 was left out: ...", rows counted from 1).
struct Learning {
    RuleBase ruleBase;
    int added = 0;
    std::vector<std::string> dropped;
};

}  // namespace zorv
