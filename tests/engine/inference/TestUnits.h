#pragma once

#include <memory>
#include <string>
#include <vector>

#include "rulebase/CRuleBase.h"

namespace zorv::testing {

enum class Vocabulary { Linguistic, Triang, Linear };

struct VariableLayout {
    double low = 0.0;
    double high = 1.0;
    int discretization = 101;
    Vocabulary vocabulary = Vocabulary::Linguistic;
};

// A unit of the given type with the variables and rules (rows: one text per antecedent, then the succedent).
std::unique_ptr<CRuleBase> MakeUnit(DescriptionType type, const std::vector<VariableLayout>& antecedents,
                                    const VariableLayout& succedent, const std::vector<RuleRow>& rules);

// A linguistic unit with one antecedent and one succedent, both <0, 1>.
std::unique_ptr<CRuleBase> MakeSimpleUnit(const std::vector<RuleRow>& rules, int discretization = 101);

RuleRow Rule(std::vector<std::string> texts, bool enabled = true);

}  // namespace zorv::testing
