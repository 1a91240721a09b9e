#include <gtest/gtest.h>

#include <set>
#include <string>
#include <string_view>

#include "inference/DefuzzificationMethodTable.h"
#include "inference/InferenceMethodTable.h"

namespace zorv {

namespace {

// Every row's names: present, on one line, and naming no other row, so that any of them finds the row.
template <class Entry>
void ExpectDistinctNames(std::span<const Entry> rows) {
    std::set<std::string_view> taken;
    for (const Entry& row : rows) {
        SCOPED_TRACE(row.fileKey);
        std::set<std::string_view> own{row.fileKey, row.shortName, row.displayName};
        for (const std::string_view name : own) {
            EXPECT_FALSE(name.empty());
            EXPECT_TRUE(taken.insert(name).second) << name << " names two rows";
        }
        EXPECT_FALSE(row.help.empty());
        EXPECT_EQ(row.help.find('\n'), std::string_view::npos);
        EXPECT_LE(row.help.size(), 94u) << "with the indent of zorv eval --help, a line of 100 columns";
    }
}

}  // namespace

TEST(MethodTables, RowsHaveDistinctNamesAndOneKernelEach) {
    ExpectDistinctNames(InferenceMethodTable());
    ExpectDistinctNames(DefuzzificationMethodTable());
    for (const InferenceMethodEntry& row : InferenceMethodTable()) {
        SCOPED_TRACE(row.fileKey);
        EXPECT_EQ(row.crisp != nullptr, row.kind == InferenceKind::Crisp);
        EXPECT_EQ(row.fuzzy != nullptr, row.kind == InferenceKind::FuzzyInput);
        EXPECT_EQ(row.takagiSugeno != nullptr, row.kind == InferenceKind::TakagiSugeno);
        EXPECT_NE(row.cMethod, 0) << "every method has a C form";
    }
    int smooth = 0;
    for (const DefuzzificationMethodEntry& row : DefuzzificationMethodTable()) {
        SCOPED_TRACE(row.fileKey);
        EXPECT_NE(row.method, nullptr);
        EXPECT_NE(row.ranged, nullptr);
        EXPECT_NE(row.c.find(row.smooth ? "static int zv_smooth(" : "static double zv_defuzz("), std::string_view::npos);
        smooth += row.smooth ? 1 : 0;
    }
    EXPECT_EQ(smooth, 1);
}

TEST(MethodTables, ChoicesOfferedPerUnitType) {
    const auto choices = InferenceMethodChoices();
    ASSERT_FALSE(choices.empty());
    EXPECT_EQ(choices.front(), &LogicalDeductionMethod());
    EXPECT_EQ(choices.back(), &TakagiSugenoMethod());
    for (const InferenceMethodEntry* row : choices) EXPECT_NE(row->kind, InferenceKind::FuzzyInput) << row->fileKey;
    EXPECT_EQ(InferenceMethodChoicesFor(0).size(), choices.size() - 1);
    for (const InferenceMethodEntry* row : InferenceMethodChoicesFor(0))
        EXPECT_TRUE(row->appliesTo(DescriptionType::linguistic)) << row->fileKey;
    ASSERT_EQ(InferenceMethodChoicesFor(2).size(), 1u);
    EXPECT_EQ(InferenceMethodChoicesFor(2).front(), &TakagiSugenoMethod());
    EXPECT_TRUE(InferenceMethodChoicesFor(1).empty());
    EXPECT_EQ(LogicalDeductionMethod().fileKey, "Logical_Deduction");
    EXPECT_EQ(SimpleDeeMethod().fileKey, "SimpDefuzzLingExpression");
}

// Any of a row's names finds it, exactly as written; a prefix, another case or a blank more finds nothing.
TEST(MethodTables, LookupByAnyNameExactlyAsWritten) {
    const auto check = [](auto rows, auto find) {
        for (const auto& row : rows) {
            SCOPED_TRACE(row.fileKey);
            for (const std::string_view name : {row.fileKey, row.shortName, row.displayName}) {
                EXPECT_EQ(find(name), &row);
                EXPECT_EQ(find(std::string(name) + " "), nullptr);
                EXPECT_EQ(find(name.substr(0, name.size() - 1)), nullptr);
            }
            std::string lower(row.fileKey);
            for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            EXPECT_EQ(find(lower), nullptr);
        }
        EXPECT_EQ(find(""), nullptr);
    };
    check(InferenceMethodTable(), [](std::string_view name) { return FindInferenceMethod(name); });
    check(DefuzzificationMethodTable(), [](std::string_view name) { return FindDefuzzificationMethod(name); });
}

}  // namespace zorv
