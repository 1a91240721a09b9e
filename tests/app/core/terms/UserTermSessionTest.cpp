#include "app/core/terms/UserTermSession.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/core/terms/TermClipboard.h"
#include "tests/support/TestUnits.h"

namespace zorv {
namespace {

using test::VariableTestUnits;
using S = UserTermShape;
using Texts = std::vector<std::string>;

constexpr int kName = UserTermTable::kNameColumn;

// speed <0, 10> with user terms "slow" (used alone), "cruise" (used inside an expression), "fast" (unused).
std::unique_ptr<CRuleBase> UnitWithTerms() {
    auto unit = VariableTestUnits::Linguistic({{"slow", "ze", "bi"}, {"cruise or bi", "ze", "sm"}, {"sm", "ze", "me"}});
    VariableTestUnits::AddTriangle(*unit, 0, "slow", 0.0, 0.0, 4.0);
    VariableTestUnits::AddTriangle(*unit, 0, "cruise", 2.0, 5.0, 8.0, "cruising");
    VariableTestUnits::AddTriangle(*unit, 0, "fast", 6.0, 10.0, 10.0);
    unit->Compile();
    return unit;
}

Texts Names(const UserTermTable& table) {
    Texts names;
    for (int r = 0; r < table.rowCount(); ++r) names.push_back(table.row(r).name);
    return names;
}

Texts UserTermNames(CRuleBase& unit, int signedIndex) {
    const CBasicSettings& vocabulary = VariableTestUnits::Vocabulary(unit, signedIndex);
    Texts names;
    for (std::size_t i = static_cast<std::size_t>(vocabulary.standardTermCount()); i < vocabulary.terms().size(); ++i) {
        names.push_back(vocabulary.terms()[i].shortName);
    }
    return names;
}

TEST(UserTermSessionTest, OpensWithTheTermsAndTheirUsage) {
    const auto unit = UnitWithTerms();
    const UserTermSession session(*unit, 0);
    const UserTermTable& table = session.table();
    EXPECT_EQ(Names(table), Texts({"slow", "cruise", "fast"}));
    EXPECT_EQ(table.cellText(0, UserTermTable::kUsageColumn), "U");
    EXPECT_EQ(table.cellText(1, UserTermTable::kUsageColumn), "U");
    EXPECT_EQ(table.cellText(2, UserTermTable::kUsageColumn), "N");
    EXPECT_EQ(table.cellText(1, UserTermTable::kTypeColumn), "triang");
    EXPECT_EQ(table.cellText(1, UserTermTable::ColumnOf(S::leftKernel)), "5");
    EXPECT_EQ(table.low(), 0.0);
    EXPECT_EQ(table.high(), 10.0);
}

TEST(UserTermSessionTest, AddNamesTheRowAfterItsNumberAndKeepsNamesUnique) {
    auto unit = VariableTestUnits::Linguistic({{"sm", "ze", "bi"}});
    UserTermSession session(*unit, 0);
    EXPECT_EQ(session.add(S::kQuadratic), 0);
    session.table().setCellText(0, kName, "expression2");
    EXPECT_EQ(session.add(S::kTriang), 1);
    EXPECT_EQ(Names(session.table()), Texts({"expression2", "expression2_1"}));
    EXPECT_EQ(session.table().cellText(1, UserTermTable::ColumnOf(S::leftKernel)), "5");
    EXPECT_EQ(session.table().cellText(1, UserTermTable::kUsageColumn), "N");
}

TEST(UserTermSessionTest, DeleteRefusesUsedTerms) {
    const auto unit = UnitWithTerms();
    UserTermSession session(*unit, 0);
    const auto refused = session.remove(1);
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->text, "Cannot delete expression used in description.");
    EXPECT_EQ(refused->caption, "Error");
    EXPECT_FALSE(session.remove(2));
    EXPECT_FALSE(session.remove(7));
    EXPECT_EQ(Names(session.table()), Texts({"slow", "cruise"}));
}

TEST(UserTermSessionTest, TermsUsedByTheirLongNameCountAsUsed) {
    auto unit = UnitWithTerms();
    VariableTestUnits::SetRules(*unit, {{"cruising", "ze", "bi"}});
    EXPECT_EQ(UserTermSession(*unit, 0).table().cellText(1, UserTermTable::kUsageColumn), "U");
}

TEST(UserTermSessionTest, PasteMakesNamesUnique) {
    const auto unit = UnitWithTerms();
    UserTermSession session(*unit, 0);
    session.table().setCellText(2, kName, "speed");
    TermClipboard clipboard;
    session.copy({2}, clipboard);
    session.table().setCellText(2, kName, "speed_1");
    session.table().setCellText(0, kName, "speed");
    EXPECT_EQ(session.paste(0, clipboard), 1);
    EXPECT_EQ(Names(session.table()), Texts({"speed", "speed_2", "cruise", "speed_1"}));
    EXPECT_EQ(session.table().cellText(1, UserTermTable::kUsageColumn), "N");
    EXPECT_EQ(session.table().cellText(1, UserTermTable::kLabelColumn), "2.");
}

TEST(UserTermSessionTest, CopiedTermsPasteIntoAnotherVariableExactly) {
    auto unit = UnitWithTerms();
    TermClipboard clipboard;
    UserTermSession source(*unit, 0);
    source.table().setValue(2, S::leftSupp, 6.123456);
    source.copy({0, 2}, clipboard);
    ASSERT_EQ(clipboard.lines().size(), 2u);
    EXPECT_EQ(clipboard.lines()[1], "fast;triang;6.123456;;10;;;10;");

    UserTermSession target(*unit, ~0);
    EXPECT_EQ(target.paste(5, clipboard), 0);
    EXPECT_EQ(Names(target.table()), Texts({"slow", "fast"}));
    EXPECT_EQ(target.table().value(1, S::leftSupp), 6.123456);
    EXPECT_EQ(target.table().cellText(1, UserTermTable::ColumnOf(S::leftSupp)), "6.12");
}

TEST(UserTermSessionTest, PasteSkipsLinesWithoutAKnownType) {
    const auto unit = UnitWithTerms();
    UserTermSession session(*unit, 0);
    TermClipboard clipboard;
    clipboard.setLines({"odd;circle;1;2;3;;;;", ""});
    EXPECT_FALSE(session.paste(0, clipboard));
    EXPECT_EQ(session.table().rowCount(), 3);
}

TEST(UserTermSessionTest, CommitRebuildsTheTermsAndFollowsRenamesInTheRules) {
    auto unit = UnitWithTerms();
    UserTermSession session(*unit, 0);
    session.table().setCellText(1, kName, "steady");
    session.table().setCellText(0, kName, "crawl");
    session.remove(2);
    session.add(S::kTrapezoid);
    session.commit(*unit);
    EXPECT_EQ(UserTermNames(*unit, 0), Texts({"crawl", "steady", "expression3"}));
    EXPECT_EQ(VariableTestUnits::Texts(*unit, 0), Texts({"crawl", "steady or bi", "sm"}));
    EXPECT_EQ(VariableTestUnits::Vocabulary(*unit, 0).terms().back().element->typeName(), "trapezoid");
    EXPECT_EQ(VariableTestUnits::Vocabulary(*unit, 0).terms()[static_cast<std::size_t>(
                  VariableTestUnits::Vocabulary(*unit, 0).standardTermCount() + 1)].longName,
              "cruising");
    for (int r = 0; r < unit->RuleCount(); ++r) EXPECT_FALSE(unit->Cell(0, r).CompileError()) << r;
}

TEST(UserTermSessionTest, NothingChangesBeforeCommit) {
    auto unit = UnitWithTerms();
    {
        UserTermSession session(*unit, 0);
        session.table().setCellText(0, kName, "crawl");
        session.add(S::kQuadratic);
    }
    EXPECT_EQ(UserTermNames(*unit, 0), Texts({"slow", "cruise", "fast"}));
    EXPECT_EQ(VariableTestUnits::Texts(*unit, 0)[0], "slow");
}

TEST(UserTermSessionTest, CommitKeepsUntouchedParametersExact) {
    auto unit = VariableTestUnits::Linguistic({{"sm", "ze", "bi"}});
    VariableTestUnits::AddTriangle(*unit, 0, "third", 0.0, 10.0 / 3.0, 10.0);
    UserTermSession(*unit, 0).commit(*unit);
    const auto& set = dynamic_cast<const CFuzzyParamSet&>(*VariableTestUnits::Vocabulary(*unit, 0).terms().back().element);
    EXPECT_EQ(set.param(1), 10.0 / 3.0);
}

}  // namespace
}  // namespace zorv
