#include "app/core/workbench/TileLayout.h"

#include <gtest/gtest.h>

#include "app/core/evaluation/ProgressClock.h"
#include "app/core/rules/WordTables.h"

namespace zorv {
namespace {

TEST(TileLayout, StackedPiecesFillTheAreaTopToBottom) {
    const auto rects = TileLayout::stacked(3, 300, 100);
    ASSERT_EQ(rects.size(), 3u);
    EXPECT_EQ(rects[0], (TileRect{0, 0, 300, 33}));
    EXPECT_EQ(rects[1], (TileRect{0, 33, 300, 33}));
    EXPECT_EQ(rects[2], (TileRect{0, 66, 300, 34}));
}

TEST(TileLayout, SideBySidePiecesFillTheAreaLeftToRight) {
    const auto rects = TileLayout::sideBySide(2, 301, 50);
    ASSERT_EQ(rects.size(), 2u);
    EXPECT_EQ(rects[0], (TileRect{0, 0, 150, 50}));
    EXPECT_EQ(rects[1], (TileRect{150, 0, 151, 50}));
    EXPECT_EQ(TileLayout::sideBySide(1, 80, 60)[0], (TileRect{0, 0, 80, 60}));
}

TEST(TileLayout, CascadedWindowsStayInsideTheArea) {
    const auto rects = TileLayout::cascaded(3, 1000, 600, 20);
    ASSERT_EQ(rects.size(), 3u);
    EXPECT_EQ(rects[0], (TileRect{0, 0, 960, 560}));
    EXPECT_EQ(rects[2], (TileRect{40, 40, 960, 560}));
    // At most half the area's height in steps (16 places here); the seventeenth starts at the top again.
    const auto many = TileLayout::cascaded(17, 1000, 600, 20);
    EXPECT_EQ(many[15], (TileRect{300, 300, 700, 300}));
    EXPECT_EQ(many[16], (TileRect{0, 0, 700, 300}));
}

TEST(TileLayout, ANewWindowFitsFromTheNextPlaceOfTheCascade) {
    const TileSize preferred{910, 540};
    const TileSize minimum{400, 300};
    EXPECT_EQ(TileLayout::nextCascaded(0, 1900, 900, 24, preferred, minimum), (TileRect{0, 0, 910, 540}));
    EXPECT_EQ(TileLayout::nextCascaded(2, 1300, 560, 24, preferred, minimum), (TileRect{48, 48, 910, 512}));
    EXPECT_EQ(TileLayout::nextCascaded(1, 300, 200, 24, preferred, minimum), (TileRect{24, 24, 400, 300}));
}

TEST(TileLayout, NoWindowsNoPieces) {
    EXPECT_TRUE(TileLayout::stacked(0, 100, 100).empty());
    EXPECT_TRUE(TileLayout::sideBySide(0, 100, 100).empty());
    EXPECT_TRUE(TileLayout::iconRows(0, 10, 10, 100, 100).empty());
    EXPECT_TRUE(TileLayout::cascaded(0, 100, 100, 10).empty());
}

TEST(TileLayout, IconRowsStartAtTheBottomAndWrapUpwards) {
    const auto rects = TileLayout::iconRows(3, 40, 20, 100, 200);
    ASSERT_EQ(rects.size(), 3u);
    EXPECT_EQ(rects[0], (TileRect{0, 180, 40, 20}));
    EXPECT_EQ(rects[1], (TileRect{40, 180, 40, 20}));
    EXPECT_EQ(rects[2], (TileRect{0, 160, 40, 20}));
    // An area narrower than one icon still takes one per row.
    EXPECT_EQ(TileLayout::iconRows(2, 40, 20, 10, 100)[1], (TileRect{0, 60, 40, 20}));
    EXPECT_TRUE(TileLayout::iconRows(2, 0, 20, 100, 100).empty());
}

TEST(ProgressClock, ElapsedTextHasThreeSignificantDigitsAndTwoDecimals) {
    const std::pair<double, const char*> cases[] = {
        {0.0, " 0.00s"},      {1.2345, " 1.23s"}, {12.345, " 12.30s"}, {0.012345, " 0.01s"},
        {123.456, " 123.00s"}, {0.996, " 1.00s"}, {-1.0, " 0.00s"},
    };
    for (const auto& [seconds, text] : cases) {
        EXPECT_EQ(ProgressClock::elapsedText(seconds), text) << seconds;
    }
}

TEST(WordTables, ButtonsInsertShortFormsAndOtherWordsAsWritten) {
    const std::pair<const char*, const char*> cases[] = {
        {"small", "sm"},     {"+medium", "+me"}, {"-zero", "-ze"},       {"zero", "ze"},
        {"more or less", "ml"}, {"quite roughly", "qr"}, {"and", "and"}, {"or", "or"},
        {"myTerm", "myTerm"}, {"", ""},
    };
    for (const auto& [caption, word] : cases) {
        EXPECT_EQ(WordTables::insertedWord(caption), word) << caption;
    }
    EXPECT_EQ(WordTables::basicTerms().buttons.size(), 3u);
    EXPECT_EQ(WordTables::signedBasicTerms().buttons.size(), 9u);
    EXPECT_EQ(WordTables::modifiers().buttons.size(), 8u);
    EXPECT_TRUE(WordTables::userTerms().buttons.empty());
    EXPECT_EQ(WordTables::signedBasicTerms().label, " Signed\n Basic\n expressions: ");
}

}  // namespace
}  // namespace zorv
