#include "app/core/terms/TermTypeChange.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "app/core/terms/UserTermFactory.h"
#include "app/core/terms/UserTermTable.h"

namespace zorv {
namespace {

using S = UserTermShape;
using Values = std::vector<std::optional<double>>;

Values Row(const UserTermTable& table) {
    Values values;
    for (int slot = 0; slot < S::kSlotCount; ++slot) values.push_back(table.value(0, slot));
    return values;
}

UserTermTable WithTriangle(double low, double high, double a, double b, double c) {
    UserTermTable table(low, high);
    table.appendRow(UserTermFactory::Triangle("t", a, b, c));
    return table;
}

const std::optional<double> none;

TEST(TermTypeChangeTest, TriangleToTrapezoidSplitsThePeak) {
    UserTermTable table = WithTriangle(0, 8, 0, 4, 8);
    TermTypeChange::Apply(table, 0, S::kTrapezoid);
    EXPECT_EQ(table.row(0).type, "trapezoid");
    EXPECT_EQ(Row(table), (Values{0.0, none, 3.0, 5.0, none, 8.0}));
}

TEST(TermTypeChangeTest, SplitKernelStaysInTheContext) {
    UserTermTable table = WithTriangle(0, 8, 0, 0, 8);
    TermTypeChange::Apply(table, 0, S::kTrapezoid);
    EXPECT_EQ(Row(table), (Values{0.0, none, 0.0, 1.0, none, 8.0}));
}

TEST(TermTypeChangeTest, TriangleToQuadraticAddsTheEquilibriumPoints) {
    UserTermTable table = WithTriangle(0, 8, 0, 4, 8);
    TermTypeChange::Apply(table, 0, S::kQuadratic);
    EXPECT_EQ(Row(table), (Values{0.0, 1.5, 3.0, 5.0, 6.5, 8.0}));
}

TEST(TermTypeChangeTest, QuadraticToTriangleTakesTheKernelsMiddle) {
    UserTermTable table(0, 8);
    table.appendRow(UserTermFactory::Shape(S::kQuadratic, 0, 8, "q"));
    TermTypeChange::Apply(table, 0, S::kTriang);
    EXPECT_EQ(Row(table), (Values{1.0, none, 4.0, none, none, 7.0}));
}

TEST(TermTypeChangeTest, TrapezoidToQuadraticKeepsItsKernel) {
    UserTermTable table(0, 8);
    table.appendRow(UserTermFactory::Shape(S::kTrapezoid, 0, 8, "z"));
    TermTypeChange::Apply(table, 0, S::kQuadratic);
    EXPECT_EQ(Row(table), (Values{1.0, 2.0, 3.0, 5.0, 6.0, 7.0}));
}

TEST(TermTypeChangeTest, GaussianGetsTheContextEndsAsSupport) {
    UserTermTable table(0, 8);
    table.appendRow(UserTermFactory::Shape(S::kGaussian, 0, 8, "g"));
    TermTypeChange::Apply(table, 0, S::kTriang);
    EXPECT_EQ(Row(table), (Values{0.0, none, 4.0, none, none, 8.0}));
}

TEST(TermTypeChangeTest, TheCurrentTypeIsNotOffered) {
    UserTermTable table = WithTriangle(0, 8, 0, 4, 8);
    EXPECT_FALSE(TermTypeChange::Allowed(table, 0, S::kTriang));
    EXPECT_TRUE(TermTypeChange::Allowed(table, 0, S::kQuadratic));
    EXPECT_FALSE(TermTypeChange::Allowed(table, 1, S::kQuadratic));
    EXPECT_FALSE(TermTypeChange::Allowed(table, 0, "circle"));
    TermTypeChange::Apply(table, 0, S::kTriang);
    EXPECT_EQ(Row(table), (Values{0.0, none, 4.0, none, none, 8.0}));
}

}  // namespace
}  // namespace zorv
