#pragma once

#include <memory>
#include <string>
#include <vector>

#include "fuzzy/expression/ESyntax.h"
#include "fuzzy/linear/CLinCSettings.h"
#include "fuzzy/sets/CFuzzyParamSet.h"
#include "fuzzy/vocabulary/CLinguisticSettings.h"
#include "fuzzy/vocabulary/CTriangSettings.h"
#include "rulebase/CRuleBase.h"

namespace zorv::test {

// Rule bases built in memory, without a file: the units of the inference and dialog tests.

enum class Vocabulary { Linguistic, Triang, Linear };

struct VariableLayout {
    VariableLayout(double low = 0.0, double high = 1.0, int discretization = 101,
                   Vocabulary vocabulary = Vocabulary::Linguistic, std::string name = {})
        : low(low), high(high), discretization(discretization), vocabulary(vocabulary), name(std::move(name)) {}

    double low;
    double high;
    int discretization;
    Vocabulary vocabulary;
    std::string name;  // empty: x1, x2, ... for inputs, y for the output
};

inline std::shared_ptr<CSettings> SettingsOf(const VariableLayout& layout) {
    switch (layout.vocabulary) {
        case Vocabulary::Linguistic:
            return std::make_shared<CLinguisticSettings>(layout.low, layout.high);
        case Vocabulary::Triang:
            return std::make_shared<CTriangSettings>(layout.low, layout.high);
        case Vocabulary::Linear:
            break;
    }
    return std::make_shared<CLinCSettings>(layout.low, layout.high);
}

// A unit of the given type with the variables, and the rules (one text per antecedent, then the succedent).
inline std::unique_ptr<CRuleBase> MakeUnit(DescriptionType type, const std::vector<VariableLayout>& antecedents,
                                           const VariableLayout& succedent, const std::vector<RuleRow>& rules) {
    auto unit = std::make_unique<CRuleBase>(type);
    for (std::size_t k = 0; k < antecedents.size(); ++k) {
        const VariableLayout& layout = antecedents[k];
        const std::string name = layout.name.empty() ? std::string("x").append(std::to_string(k + 1)) : layout.name;
        unit->AddAntecedent(CFuzzyVariable(name, SettingsOf(layout), layout.discretization), CRuleBase::kNoVariable);
    }
    const std::string output = succedent.name.empty() ? "y" : succedent.name;
    unit->AddSuccedent(CFuzzyVariable(output, SettingsOf(succedent), succedent.discretization), CRuleBase::kNoVariable);
    unit->SetRules(rules);
    return unit;
}

// A linguistic unit with one antecedent and one succedent, both <0, 1>.
inline std::unique_ptr<CRuleBase> MakeSimpleUnit(const std::vector<RuleRow>& rules, int discretization = 101) {
    return MakeUnit(DescriptionType::linguistic, {{0.0, 1.0, discretization}}, {0.0, 1.0, discretization}, rules);
}

inline RuleRow Rule(std::vector<std::string> texts, bool enabled = true) { return RuleRow{enabled, std::move(texts)}; }

// Small rule bases for the variable and term dialog tests.
struct VariableTestUnits {
    // Inputs "speed" <0, 10> and "load" <-5, 5>, output "power" <0, 100>, all at 301 points, with the rules
    // given as rows of three texts (enabled); rules that do not compile are left as the unit takes them.
    static std::unique_ptr<CRuleBase> Linguistic(const std::vector<std::vector<std::string>>& rules) {
        auto unit = MakeUnit(DescriptionType::linguistic, {{0.0, 10.0, 301, Vocabulary::Linguistic, "speed"},
                                                           {-5.0, 5.0, 301, Vocabulary::Linguistic, "load"}},
                             {0.0, 100.0, 301, Vocabulary::Linguistic, "power"}, {});
        SetRules(*unit, rules);
        return unit;
    }

    // Input "x" <0, 1>, singleton output "y" <0, 10> with linear settings.
    static std::unique_ptr<CRuleBase> Singleton(const std::vector<std::vector<std::string>>& rules) {
        auto unit = MakeUnit(DescriptionType::singleton, {{0.0, 1.0, 301, Vocabulary::Linguistic, "x"}},
                             {0.0, 10.0, 301, Vocabulary::Linear, "y"}, {});
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
