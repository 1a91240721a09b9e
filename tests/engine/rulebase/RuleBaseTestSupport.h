#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <string_view>

#include "fuzzy/vocabulary/CLinguisticSettings.h"
#include "rulebase/CRuleBase.h"

namespace zorv::test {

// A small valid linguistic rule base; the tables of the reader tests derive their cases from it.
inline const std::string kBaseFile =
    "TypeOfDescription=linguistic\n"
    "InfMethod=Logical_Deduction\n"
    "DefuzzMethod=SimpDefuzzLingExpression\n"
    "UseFuzzyFilter=false\n"
    "\n"
    "NumberOfAntecedentVariables=1\n"
    "NumberOfSuccedentVariables=1\n"
    "NumberOfRules=2\n"
    "\n"
    "AntVariable1\n"
    " name=x\n"
    " settings=linguistic\n"
    " context=<0,1>\n"
    " discretization=101\n"
    " lingparams=0.05 0.304 0.4 0.94\n"
    " UserTerm\n"
    "  name=low, lowish\n"
    "  type=triang\n"
    "  parameters= 0 0 0.5\n"
    " End_UserTerm\n"
    "End_AntVariable1\n"
    "\n"
    "SucVariable1\n"
    " name=y\n"
    " settings=linguistic\n"
    " context=<0,10>\n"
    " discretization=101\n"
    "End_SucVariable1\n"
    "\n"
    "RULES\n"
    " \"sm\" | \"bi\"\n"
    "#\"low\" | \"me\"\n"
    "END_RULES\n";

// text with the first occurrence of from replaced by to (from must occur).
inline std::string Replace(std::string text, std::string_view from, std::string_view to) {
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << "missing in test text: " << from;
    if (at != std::string::npos) text.replace(at, from.size(), to);
    return text;
}

inline std::unique_ptr<CRuleBase> LoadText(std::string_view text) {
    std::ostringstream diagnostics;
    return CRuleBase::LoadFromText(text, "test.rb", diagnostics);
}

inline std::string SaveText(const CRuleBase& unit) {
    std::ostringstream out;
    unit.Save(out);
    return out.str();
}

// Signed indices of all variables: succedents from the last, then antecedents.
inline std::vector<int> AllVariables(const CRuleBase& unit) {
    std::vector<int> all;
    for (int i = -unit.SuccedentCount(); i < unit.AntecedentCount(); ++i) all.push_back(i);
    return all;
}

inline void ExpectSameVocabulary(const CSettings& a, const CSettings& b) {
    EXPECT_EQ(a.typeName(), b.typeName());
    EXPECT_EQ(a.low(), b.low());
    EXPECT_EQ(a.high(), b.high());
    const auto* la = dynamic_cast<const CLinguisticSettings*>(&a);
    const auto* lb = dynamic_cast<const CLinguisticSettings*>(&b);
    if (la != nullptr && lb != nullptr) {
        EXPECT_EQ(la->lingParams(), lb->lingParams());
    }
    const auto* va = dynamic_cast<const CBasicSettings*>(&a);
    const auto* vb = dynamic_cast<const CBasicSettings*>(&b);
    ASSERT_EQ(va == nullptr, vb == nullptr);
    if (va == nullptr) return;
    ASSERT_EQ(va->terms().size(), vb->terms().size());
    for (std::size_t i = static_cast<std::size_t>(va->standardTermCount()); i < va->terms().size(); ++i) {
        const auto& ta = va->terms()[i];
        const auto& tb = vb->terms()[i];
        EXPECT_EQ(ta.shortName, tb.shortName);
        EXPECT_EQ(ta.longName, tb.longName);
        const auto& pa = dynamic_cast<const CFuzzyParamSet&>(*ta.element);
        const auto& pb = dynamic_cast<const CFuzzyParamSet&>(*tb.element);
        EXPECT_EQ(pa.typeName(), pb.typeName());
        EXPECT_EQ(pa.params(), pb.params());
    }
}

// Everything the file holds: header, variables with their vocabularies and sharing, rules and flags.
inline void ExpectSameUnit(const CRuleBase& a, const CRuleBase& b) {
    EXPECT_EQ(a.descriptionType(), b.descriptionType());
    EXPECT_EQ(a.Description(), b.Description());
    EXPECT_EQ(&a.InferenceMethod(), &b.InferenceMethod());
    EXPECT_EQ(&a.DefuzzificationMethod(), &b.DefuzzificationMethod());
    EXPECT_EQ(a.UseFuzzyFilter(), b.UseFuzzyFilter());
    ASSERT_EQ(a.AntecedentCount(), b.AntecedentCount());
    ASSERT_EQ(a.SuccedentCount(), b.SuccedentCount());
    for (const int i : AllVariables(a)) {
        SCOPED_TRACE("variable " + std::to_string(i));
        EXPECT_EQ(a.VariableName(i), b.VariableName(i));
        EXPECT_EQ(a.Discretization(i), b.Discretization(i));
        ExpectSameVocabulary(a.Settings(i), b.Settings(i));
        for (const int j : AllVariables(a)) {
            EXPECT_EQ(&a.Settings(i) == &a.Settings(j), &b.Settings(i) == &b.Settings(j)) << "sharing with " << j;
        }
    }
    EXPECT_EQ(a.Rules(), b.Rules());
}

}  // namespace zorv::test
