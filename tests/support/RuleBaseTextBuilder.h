#pragma once

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "rulebase/CRuleBase.h"

namespace zorv::test {

// A variable of a test rule base as its file block states it.
struct VariableText {
    VariableText(std::string name, double low = 0.0, double high = 1.0, std::string userTerms = {},
                 std::string settings = "linguistic", int discretization = 101)
        : name(std::move(name)),
          low(low),
          high(high),
          userTerms(std::move(userTerms)),
          settings(std::move(settings)),
          discretization(discretization) {}

    std::string name;
    double low;
    double high;
    std::string userTerms;  // " UserTerm ... End_UserTerm" blocks, see userTerm()
    std::string settings;
    int discretization;
};

// A " UserTerm" block: userTerm("t0", "triang", "0 0 0.5").
inline std::string userTerm(const std::string& name, const std::string& type, const std::string& parameters) {
    return " UserTerm\n  name=" + name + "\n  type=" + type + "\n  parameters= " + parameters + "\n End_UserTerm\n";
}

// Composes rule base file text for tests and loads it.
class RuleBaseTextBuilder {
public:
    RuleBaseTextBuilder& type(std::string value) { type_ = std::move(value); return *this; }
    RuleBaseTextBuilder& infer(std::string value) { infer_ = std::move(value); return *this; }
    RuleBaseTextBuilder& defuzz(std::string value) { defuzz_ = std::move(value); return *this; }
    RuleBaseTextBuilder& filter(bool on) { filter_ = on; return *this; }
    RuleBaseTextBuilder& input(VariableText v) { inputs_.push_back(std::move(v)); return *this; }
    RuleBaseTextBuilder& output(VariableText v) { outputs_.push_back(std::move(v)); return *this; }
    // texts: one per input, then one per output.
    RuleBaseTextBuilder& rule(std::vector<std::string> texts, bool enabled = true) {
        rules_.push_back({enabled, std::move(texts)});
        return *this;
    }

    std::string text() const {
        std::ostringstream out;
        out.precision(17);
        out << "TypeOfDescription=" << type_ << "\nInfMethod=" << infer_ << "\nDefuzzMethod=" << defuzz_
            << "\nUseFuzzyFilter=" << (filter_ ? "true" : "false") << "\n\n";
        out << "NumberOfAntecedentVariables=" << inputs_.size() << "\nNumberOfSuccedentVariables=" << outputs_.size()
            << "\nNumberOfRules=" << rules_.size() << "\n\n";
        block(out, "AntVariable", inputs_);
        block(out, "SucVariable", outputs_);
        out << "RULES\n";
        for (const RuleRow& rule : rules_) {
            out << (rule.enabled ? "" : "#");
            for (std::size_t c = 0; c < rule.texts.size(); ++c) {
                out << (c == inputs_.size() ? " |" : "") << " \"" << rule.texts[c] << '"';
            }
            out << '\n';
        }
        out << "END_RULES\n";
        return out.str();
    }

    std::unique_ptr<CRuleBase> load() const {
        std::ostringstream diagnostics;
        return CRuleBase::LoadFromText(text(), "test.rb", diagnostics);
    }

private:
    static void block(std::ostringstream& out, const char* kind, const std::vector<VariableText>& variables) {
        for (std::size_t k = 0; k < variables.size(); ++k) {
            const VariableText& v = variables[k];
            out << kind << k + 1 << "\n name=" << v.name << "\n settings=" << v.settings << "\n context=<" << v.low
                << ',' << v.high << ">\n discretization=" << v.discretization << '\n';
            if (v.settings == "linguistic") out << " lingparams=0.05 0.304 0.4 0.94\n";
            out << v.userTerms << "End_" << kind << k + 1 << "\n\n";
        }
    }

    std::string type_ = "linguistic";
    std::string infer_ = "Fuzzy_Approximation-functional";
    std::string defuzz_ = "SimpleCenterOfGravity";
    bool filter_ = false;
    std::vector<VariableText> inputs_;
    std::vector<VariableText> outputs_;
    std::vector<RuleRow> rules_;
};

// A linguistic rule base (Logical Deduction, Simple DEE) with the variables and the rules, each a row of texts:
// inputs, then outputs; disabled[r] marks rule r disabled.
inline std::unique_ptr<CRuleBase> ruleBase(const std::vector<VariableText>& inputs,
                                           const std::vector<VariableText>& outputs,
                                           const std::vector<std::vector<std::string>>& rules,
                                           const std::vector<bool>& disabled = {}) {
    RuleBaseTextBuilder builder;
    builder.infer("Logical_Deduction").defuzz("SimpDefuzzLingExpression");
    for (const VariableText& v : inputs) builder.input(v);
    for (const VariableText& v : outputs) builder.output(v);
    for (std::size_t r = 0; r < rules.size(); ++r) builder.rule(rules[r], !(r < disabled.size() && disabled[r]));
    return builder.load();
}

// One input x and one output y, both over <0, 1>.
inline std::unique_ptr<CRuleBase> simpleRuleBase(const std::vector<std::vector<std::string>>& rules,
                                                 const std::vector<bool>& disabled = {}) {
    return ruleBase({{"x"}}, {{"y"}}, rules, disabled);
}

// The rules' texts, a row per rule.
inline std::vector<std::vector<std::string>> textsOf(const CRuleBase& unit) {
    std::vector<std::vector<std::string>> rows;
    for (const RuleRow& row : unit.Rules()) rows.push_back(row.texts);
    return rows;
}

}  // namespace zorv::test
