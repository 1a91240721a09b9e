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

    // A rule base moves but is not copied; one moved from may only be assigned to or destroyed.
    RuleBase(RuleBase&&) noexcept;
    RuleBase& operator=(RuleBase&&) noexcept;
    ~RuleBase();

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

    // The crisp value of the first output for one value per input, in input order. A rule base without an
    // output, and a linguistic one that holds the Takagi-Sugeno inference (a file may say so), throw Error.
    double evaluate(std::span<const double> inputs) const;
    double evaluate(std::initializer_list<double> inputs) const;
    // The same with every input given by name.
    double evaluate(const std::map<std::string, double, std::less<>>& inputs) const;
    // The value with the fired rules and the conclusion of the inference at the inputs.
    Evaluation explain(std::span<const double> inputs) const;
    // Evaluates rows.size() / inputs().size() rows of inputs stored one after another into out, which
    // holds one value per row. A bad row stops the run with an Error naming it (rows count from 0).
    void evaluateRows(std::span<const double> rows, std::span<double> out) const;

private:
    struct Impl;
    explicit RuleBase(std::unique_ptr<Impl> impl);

    std::unique_ptr<Impl> impl_;
};

}  // namespace zorv
