#pragma once

#include <memory>
#include <string>
#include <vector>

#include "rulebase/CRuleBase.h"

namespace zorv::test {

// A linguistic variable of a test rule base: name, context and optional user-term blocks.
struct TestVariable {
    TestVariable(std::string name, double low = 0.0, double high = 1.0, std::string userTerms = {})
        : name(std::move(name)), low(low), high(high), userTerms(std::move(userTerms)) {}

    std::string name;
    double low;
    double high;
    std::string userTerms;  // " UserTerm ... End_UserTerm" lines, if any
};

// A linguistic rule base with the given variables and rules ("#" first for a disabled rule), loaded from
// rule base file text. Rules are rows of texts: antecedents, then succedents.
inline std::unique_ptr<CRuleBase> ruleBase(const std::vector<TestVariable>& inputs,
                                           const std::vector<TestVariable>& outputs,
                                           const std::vector<std::vector<std::string>>& rules,
                                           const std::vector<bool>& disabled = {}) {
    std::string text = "TypeOfDescription=linguistic\nInfMethod=Logical_Deduction\n"
                       "DefuzzMethod=SimpDefuzzLingExpression\nUseFuzzyFilter=false\n\n";
    text += "NumberOfAntecedentVariables=" + std::to_string(inputs.size()) + "\n";
    text += "NumberOfSuccedentVariables=" + std::to_string(outputs.size()) + "\n";
    text += "NumberOfRules=" + std::to_string(rules.size()) + "\n\n";
    const auto block = [&text](const char* kind, std::size_t k, const TestVariable& v) {
        text += std::string(kind) + std::to_string(k + 1) + "\n name=" + v.name + "\n settings=linguistic\n";
        text += " context=<" + std::to_string(v.low) + "," + std::to_string(v.high) + ">\n discretization=101\n";
        text += v.userTerms;
        text += std::string("End_") + kind + std::to_string(k + 1) + "\n\n";
    };
    for (std::size_t k = 0; k < inputs.size(); ++k) block("AntVariable", k, inputs[k]);
    for (std::size_t k = 0; k < outputs.size(); ++k) block("SucVariable", k, outputs[k]);
    text += "RULES\n";
    for (std::size_t r = 0; r < rules.size(); ++r) {
        if (r < disabled.size() && disabled[r]) text += "#";
        for (std::size_t c = 0; c < rules[r].size(); ++c) {
            if (c == inputs.size()) text += " |";
            text += " \"" + rules[r][c] + "\"";
        }
        text += "\n";
    }
    text += "END_RULES\n";
    return CRuleBase::LoadFromText(text, "test");
}

// One input x and one output y, both over <0, 1>.
inline std::unique_ptr<CRuleBase> simpleRuleBase(const std::vector<std::vector<std::string>>& rules,
                                                 const std::vector<bool>& disabled = {}) {
    return ruleBase({{"x"}}, {{"y"}}, rules, disabled);
}

inline std::vector<std::vector<std::string>> textsOf(const CRuleBase& unit) {
    std::vector<std::vector<std::string>> rows;
    for (const RuleRow& row : unit.Rules()) {
        rows.push_back(row.texts);
    }
    return rows;
}

}  // namespace zorv::test
