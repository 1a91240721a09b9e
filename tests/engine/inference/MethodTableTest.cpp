#include <gtest/gtest.h>

#include <string_view>

#include "inference/DefuzzificationMethodTable.h"
#include "inference/InferenceMethodTable.h"

namespace zorv {

struct Row {
    std::string_view fileKey;
    std::string_view shortName;
    std::string_view displayName;
};

TEST(MethodTables, InferenceRowsInFileOrder) {
    const Row rows[] = {
        {"Fuzzy_Approximation-logical", "LLogInfCrisp", "Fuzzy Approximation (CNF)"},
        {"Logical_Deduction", "LLogInfPreCrisp", "Perception-based Logical Deduction"},
        {"LLogInfFuz", "LLogInfFuz", "LLogInfFuz"},
        {"Fuzzy_Approximation-functional", "LZadInfCrispMin", "Fuzzy Approximation (DNF) with Minimum"},
        {"Fuzzy_Approximation-func_prod", "LZadInfCrispProd", "Fuzzy Approximation (DNF) with Product"},
        {"Fuzzy_Approximation-func_luk", "LZadInfCrispLuk", "Fuzzy Approximation (DNF) with Lukasiewicz"},
        {"LZadInfFuz", "LZadInfFuz", "LZadInfFuz"},
        {"Takagi-Sugeno Inference", "LLinCInfCrisp", "Takagi-Sugeno Inference"},
    };
    const auto table = InferenceMethodTable();
    ASSERT_EQ(table.size(), std::size(rows));
    for (std::size_t i = 0; i < table.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(table[i].fileKey, rows[i].fileKey);
        EXPECT_EQ(table[i].shortName, rows[i].shortName);
        EXPECT_EQ(table[i].displayName, rows[i].displayName);
        const bool fuzzy = i == 2 || i == 6;
        const bool number = i == 7;
        EXPECT_EQ(table[i].kind, fuzzy    ? InferenceKind::FuzzyInput
                                 : number ? InferenceKind::TakagiSugeno
                                          : InferenceKind::Crisp);
        EXPECT_EQ(table[i].crisp != nullptr, !fuzzy && !number);
        EXPECT_EQ(table[i].fuzzy != nullptr, fuzzy);
        EXPECT_EQ(table[i].takagiSugeno != nullptr, number);
    }
}

TEST(MethodTables, DefuzzificationRowsInListOrder) {
    const Row rows[] = {
        {"SimpleCenterOfGravity", "SimpleCOG", "Simple Center Of Gravity (COG)"},
        {"ModifiedCenterOfGravity", "ModCOG", "Modified Center Of Gravity"},
        {"SimpDefuzzLingExpression", "SimpDefuzzLingExpression", "Simple Defuzzification of Linguistic Expressions (DEE)"},
        {"SimpDefuzzLingExpression_COG", "SimpDefuzzLingExpression_COG", "Simple DEE using COG"},
        {"DefuzzLingExpression", "DefuzZorv", "Defuzzification of Linguistic Expressions"},
        {"MeanOfMaxima", "MOM", "Mean Of Maxima (MOM)"},
        {"Smooth Deffuz Ling Expr", "SmoothDeffuzLingExpr", "Smooth Deffuzification of Linguistic Expressions"},
    };
    const auto table = DefuzzificationMethodTable();
    ASSERT_EQ(table.size(), std::size(rows));
    for (std::size_t i = 0; i < table.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(table[i].fileKey, rows[i].fileKey);
        EXPECT_EQ(table[i].shortName, rows[i].shortName);
        EXPECT_EQ(table[i].displayName, rows[i].displayName);
        EXPECT_NE(table[i].method, nullptr);
        EXPECT_NE(table[i].ranged, nullptr);
        EXPECT_EQ(table[i].smooth, i == 6);
    }
}

TEST(MethodTables, ChoicesOfferedPerUnitType) {
    const auto choices = InferenceMethodChoices();
    const std::string_view expected[] = {"Logical_Deduction", "Fuzzy_Approximation-logical",
                                         "Fuzzy_Approximation-functional", "Fuzzy_Approximation-func_prod",
                                         "Fuzzy_Approximation-func_luk", "Takagi-Sugeno Inference"};
    ASSERT_EQ(choices.size(), std::size(expected));
    for (std::size_t i = 0; i < choices.size(); ++i) EXPECT_EQ(choices[i]->fileKey, expected[i]);
    EXPECT_EQ(InferenceMethodChoicesFor(0).size(), 5u);
    EXPECT_EQ(InferenceMethodChoicesFor(0).front(), choices[0]);
    ASSERT_EQ(InferenceMethodChoicesFor(2).size(), 1u);
    EXPECT_EQ(InferenceMethodChoicesFor(2).front(), &TakagiSugenoMethod());
    EXPECT_TRUE(InferenceMethodChoicesFor(1).empty());
    EXPECT_EQ(LogicalDeductionMethod().fileKey, "Logical_Deduction");
    EXPECT_EQ(SimpleDeeMethod().fileKey, "SimpDefuzzLingExpression");
}

struct LookupCase {
    std::string_view value;
    int row;  // -1: none
};

TEST(MethodTables, LookupByKeyOrShortNameBeginningTheValue) {
    const LookupCase inference[] = {
        {"Logical_Deduction", 1},
        {"LLogInfPreCrisp", 1},
        {"Fuzzy_Approximation-functional", 3},
        {"Fuzzy_Approximation-func_prod", 4},
        {"Fuzzy_Approximation-func_luk", 5},
        {"Fuzzy_Approximation-logical", 0},
        {"LLogInfFuz", 2},
        {"LZadInfFuz", 6},
        {"Takagi-Sugeno Inference", 7},
        {"LLinCInfCrisp", 7},
        {"Logical_Deduction   trailing words", 1},
        {"Logical", -1},
        {"", -1},
        {"logical_deduction", -1},
    };
    for (const LookupCase& c : inference) {
        SCOPED_TRACE(c.value);
        const InferenceMethodEntry* found = FindInferenceMethod(c.value);
        EXPECT_EQ(found, c.row < 0 ? nullptr : &InferenceMethodTable()[static_cast<std::size_t>(c.row)]);
    }
    const LookupCase defuzzification[] = {
        {"SimpDefuzzLingExpression", 2},
        {"SimpDefuzzLingExpression_COG", 3},  // the longer key wins over its prefix
        {"SimpleCOG", 0},
        {"SimpleCenterOfGravity", 0},
        {"ModCOG", 1},
        {"MOM", 5},
        {"MeanOfMaxima", 5},
        {"DefuzZorv", 4},
        {"DefuzzLingExpression", 4},
        {"Smooth Deffuz Ling Expr", 6},
        {"SmoothDeffuzLingExpr", 6},
        {"MO", -1},
        {"COG", -1},
    };
    for (const LookupCase& c : defuzzification) {
        SCOPED_TRACE(c.value);
        const DefuzzificationMethodEntry* found = FindDefuzzificationMethod(c.value);
        EXPECT_EQ(found, c.row < 0 ? nullptr : &DefuzzificationMethodTable()[static_cast<std::size_t>(c.row)]);
    }
}

}  // namespace zorv
