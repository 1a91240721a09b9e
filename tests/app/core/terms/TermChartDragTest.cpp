#include "app/core/terms/TermChartDrag.h"

#include <gtest/gtest.h>

#include "app/core/terms/TermChartGeometry.h"
#include "app/core/terms/UserTermFactory.h"
#include "app/core/terms/UserTermTable.h"

namespace zorv {
namespace {

using S = UserTermShape;

// Context <0, 10> on a chart 150 wide and 160 high: x = 25 + 10 per unit, degree 1 at y 30, 0 at y 130.
const TermChartGeometry kGeometry(0.0, 10.0, 150.0, 160.0);

TEST(TermChartGeometryTest, PlacesValuesAndDegrees) {
    EXPECT_DOUBLE_EQ(kGeometry.x(0.0), 25.0);
    EXPECT_DOUBLE_EQ(kGeometry.x(10.0), 125.0);
    EXPECT_DOUBLE_EQ(kGeometry.y(1.0), 30.0);
    EXPECT_DOUBLE_EQ(kGeometry.y(0.0), 130.0);
    EXPECT_DOUBLE_EQ(kGeometry.slotY(S::leftKernel), 30.0);
    EXPECT_DOUBLE_EQ(kGeometry.slotY(S::rightEquilib), 80.0);
    EXPECT_DOUBLE_EQ(kGeometry.slotY(S::rightSupp), 130.0);
    EXPECT_DOUBLE_EQ(kGeometry.value(75.0), 5.0);
    EXPECT_DOUBLE_EQ(kGeometry.value(0.0), 0.0);
    EXPECT_DOUBLE_EQ(kGeometry.value(400.0), 10.0);
}

UserTermTable Table(std::string_view type) {
    UserTermTable table(0.0, 10.0);
    table.appendRow(UserTermFactory::Shape(type, 0.0, 10.0, "t"));
    return table;
}

TEST(TermChartDragTest, NearestPointByDistance) {
    const UserTermTable table = Table(S::kQuadratic);  // 1.25 2.5 3.75 6.25 7.5 8.75
    EXPECT_EQ(TermChartDrag::NearestSlot(table, 0, kGeometry, 37.0, 128.0), S::leftSupp);
    EXPECT_EQ(TermChartDrag::NearestSlot(table, 0, kGeometry, 52.0, 78.0), S::leftEquilib);
    EXPECT_EQ(TermChartDrag::NearestSlot(table, 0, kGeometry, 90.0, 30.0), S::rightKernel);
    EXPECT_EQ(TermChartDrag::NearestSlot(table, 1, kGeometry, 90.0, 30.0), std::nullopt);
}

TEST(TermChartDragTest, GaussianScalesAndEmptySlotsAreNoPoints) {
    const UserTermTable gaussian = Table(S::kGaussian);  // kernel 3.75 .. 6.25
    EXPECT_EQ(TermChartDrag::NearestSlot(gaussian, 0, kGeometry, 30.0, 80.0), S::leftKernel);
    UserTermTable triangle = Table(S::kTriang);
    EXPECT_EQ(TermChartDrag::NearestSlot(triangle, 0, kGeometry, 90.0, 30.0), S::leftKernel);
    triangle.setCellText(0, UserTermTable::ColumnOf(S::leftKernel), "");
    EXPECT_EQ(TermChartDrag::NearestSlot(triangle, 0, kGeometry, 80.0, 30.0), S::rightSupp);
}

TEST(TermChartDragTest, MoveTakesTheValueUnderTheMouse) {
    UserTermTable table = Table(S::kTriang);  // 1.25 5 8.75
    EXPECT_TRUE(TermChartDrag::Move(table, 0, S::leftKernel, kGeometry, 85.0));
    EXPECT_DOUBLE_EQ(*table.value(0, S::leftKernel), 6.0);
    EXPECT_TRUE(TermChartDrag::Move(table, 0, S::leftSupp, kGeometry, -50.0));
    EXPECT_DOUBLE_EQ(*table.value(0, S::leftSupp), 0.0);
}

TEST(TermChartDragTest, MoveThatBreaksTheOrderIsUndone) {
    UserTermTable table = Table(S::kTriang);
    const std::string shown = table.cellText(0, UserTermTable::ColumnOf(S::leftKernel));
    EXPECT_FALSE(TermChartDrag::Move(table, 0, S::leftKernel, kGeometry, 120.0));
    EXPECT_EQ(table.cellText(0, UserTermTable::ColumnOf(S::leftKernel)), shown);
    EXPECT_DOUBLE_EQ(*table.value(0, S::leftKernel), 5.0);
}

}  // namespace
}  // namespace zorv
