#pragma once

#include <memory>
#include <string>
#include <vector>

#include "fuzzy/linear/CLinCSettings.h"
#include "fuzzy/sets/CFuzzyParamSet.h"
#include "fuzzy/vocabulary/CLinguisticSettings.h"
#include "rulebase/CRuleBase.h"

namespace zorv::test {

// Small rule bases for the variable and term dialog tests.
struct VariableTestUnits {
    // Inputs "speed" <0, 10> and "load" <-5, 5>, output "power" <0, 100>, all at 301 points, with the rules
    // given as rows of three texts (enabled).
    static std::unique_ptr<CRuleBase> Linguistic(const std::vector<std::vector<std::string>>& rules) {
        auto unit = std::make_unique<CRuleBase>(DescriptionType::linguistic);
        unit->AddAntecedent(CFuzzyVariable("speed", std::make_shared<CLinguisticSettings>(0.0, 10.0), 301),
                            CRuleBase::kNoVariable);
        unit->AddAntecedent(CFuzzyVariable("load", std::make_shared<CLinguisticSettings>(-5.0, 5.0), 301),
                            CRuleBase::kNoVariable);
        unit->AddSuccedent(CFuzzyVariable("power", std::make_shared<CLinguisticSettings>(0.0, 100.0), 301),
                           CRuleBase::kNoVariable);
        SetRules(*unit, rules);
        return unit;
    }

    // Input "x" <0, 1>, singleton output "y" <0, 10> with linear settings.
    static std::unique_ptr<CRuleBase> Singleton(const std::vector<std::vector<std::string>>& rules) {
        auto unit = std::make_unique<CRuleBase>(DescriptionType::singleton);
        unit->AddAntecedent(CFuzzyVariable("x", std::make_shared<CLinguisticSettings>(0.0, 1.0), 301),
                            CRuleBase::kNoVariable);
        unit->AddSuccedent(CFuzzyVariable("y", std::make_shared<CLinCSettings>(0.0, 10.0), 301),
                           CRuleBase::kNoVariable);
        SetRules(*unit, rules);
        return unit;
    }

    static void SetRules(CRuleBase& unit, const std::vector<std::vector<std::string>>& rules) {
        std::vector<RuleRow> rows;
        for (const auto& texts : rules) rows.push_back(RuleRow{true, texts});
        try {
            unit.SetRules(rows);
        } catch (const ESyntax&) {
        }
    }

    static CBasicSettings& Vocabulary(CRuleBase& unit, int signedIndex) {
        return dynamic_cast<CBasicSettings&>(unit.Settings(signedIndex));
    }

    static void AddTriangle(CRuleBase& unit, int signedIndex, const std::string& name, double a, double b, double c,
                            const std::string& longName = "") {
        CBasicSettings& vocabulary = Vocabulary(unit, signedIndex);
        vocabulary.addUserTerm(name, longName,
                               std::make_unique<CFuzzyTriangSet>(a, b, c, vocabulary.low(), vocabulary.high()));
    }

    // The texts of one variable in rule order.
    static std::vector<std::string> Texts(const CRuleBase& unit, int signedIndex) {
        std::vector<std::string> texts;
        for (int r = 0; r < unit.RuleCount(); ++r) texts.push_back(unit.Text(signedIndex, r));
        return texts;
    }
};

}  // namespace zorv::test
