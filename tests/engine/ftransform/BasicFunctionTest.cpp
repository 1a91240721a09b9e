#include "ftransform/partition/BasicFunctionPreview.h"
#include "ftransform/partition/TFuzzyCoverFactory.h"
#include "ftransform/partition/TFuzzyCovering.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace zorv {
namespace {

constexpr BasicFunctionShape kAllShapes[] = {BasicFunctionShape::Triangular, BasicFunctionShape::Quadratic,
                                             BasicFunctionShape::Sinusoidal, BasicFunctionShape::FuzzyNumber};

struct ShapeValue {
    BasicFunctionShape shape;
    double x;
    double expected;
};

class ShapeValueTest : public ::testing::TestWithParam<ShapeValue> {};

// Functions on the support [-1, 1].
TEST_P(ShapeValueTest, MembershipOnMinusOneToOne) {
    const ShapeValue& p = GetParam();
    const auto cover = TFuzzyCoverFactory::make(p.shape, -1.0, 1.0);
    ASSERT_NE(cover, nullptr);
    EXPECT_NEAR(cover->membership(p.x), p.expected, 1e-12) << cover->name() << " at " << p.x;
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, ShapeValueTest,
    ::testing::Values(
        ShapeValue{BasicFunctionShape::Triangular, -1.0, 0.0}, ShapeValue{BasicFunctionShape::Triangular, -0.25, 0.75},
        ShapeValue{BasicFunctionShape::Triangular, 0.0, 1.0}, ShapeValue{BasicFunctionShape::Triangular, 0.5, 0.5},
        ShapeValue{BasicFunctionShape::Triangular, 1.5, 0.0}, ShapeValue{BasicFunctionShape::Triangular, -1.5, 0.0},
        ShapeValue{BasicFunctionShape::Quadratic, -0.5, 0.5}, ShapeValue{BasicFunctionShape::Quadratic, 0.0, 1.0},
        ShapeValue{BasicFunctionShape::Quadratic, 0.5, 0.5}, ShapeValue{BasicFunctionShape::Quadratic, -0.75, 0.125},
        ShapeValue{BasicFunctionShape::Quadratic, 0.25, 0.875}, ShapeValue{BasicFunctionShape::Quadratic, 1.0, 0.0},
        ShapeValue{BasicFunctionShape::Quadratic, 2.0, 0.0}, ShapeValue{BasicFunctionShape::Sinusoidal, 0.5, 0.5},
        ShapeValue{BasicFunctionShape::Sinusoidal, 0.0, 1.0}, ShapeValue{BasicFunctionShape::Sinusoidal, -1.0, 0.0},
        ShapeValue{BasicFunctionShape::Sinusoidal, 1.0, 0.0}, ShapeValue{BasicFunctionShape::Sinusoidal, 1.01, 0.0},
        ShapeValue{BasicFunctionShape::FuzzyNumber, 0.2, 1.0}, ShapeValue{BasicFunctionShape::FuzzyNumber, -0.2, 1.0},
        ShapeValue{BasicFunctionShape::FuzzyNumber, 0.5, 0.5}, ShapeValue{BasicFunctionShape::FuzzyNumber, -0.5, 0.5},
        ShapeValue{BasicFunctionShape::FuzzyNumber, 0.8, 0.0}, ShapeValue{BasicFunctionShape::FuzzyNumber, -0.8, 0.0},
        ShapeValue{BasicFunctionShape::FuzzyNumber, 0.95, 0.0}, ShapeValue{BasicFunctionShape::FuzzyNumber, 0.0, 1.0}));

class ShapeTest : public ::testing::TestWithParam<BasicFunctionShape> {};

// Neighbouring functions of an axis add up to 1 everywhere between the nodes, and every value
// stays within [0, 1].
TEST_P(ShapeTest, NeighbouringFunctionsFormAPartitionOfUnity) {
    const TFuzzyCovering axis(PartitionSettings{-2.0, 3.0, 6, GetParam()});
    for (double x = -2.0; x <= 3.0; x += 0.00125) {
        double sum = 0.0;
        for (int k = 0; k < axis.nodes(); ++k) {
            const double value = axis.axisValue(k, x);
            EXPECT_GE(value, 0.0);
            EXPECT_LE(value, 1.0);
            sum += value;
        }
        ASSERT_NEAR(sum, 1.0, 1e-12) << axis.cover().name() << " at " << x;
    }
}

TEST_P(ShapeTest, FactoryMakesTheShapeByNumberAndByName) {
    const BasicFunctionShape shape = GetParam();
    const auto byNumber = TFuzzyCoverFactory::make(static_cast<int>(shape), 0.0, 2.0);
    ASSERT_NE(byNumber, nullptr);
    EXPECT_EQ(byNumber->shape(), shape);
    const auto byName = TFuzzyCoverFactory::make(byNumber->name(), 0.0, 2.0);
    ASSERT_NE(byName, nullptr);
    EXPECT_EQ(byName->shape(), shape);
    EXPECT_EQ(byName->c(), 1.0);
}

TEST_P(ShapeTest, PreviewRunsFromTheBottomLeftCornerAcrossTheArea) {
    const auto points = BasicFunctionPreview::polyline(GetParam(), 200, 101);
    ASSERT_GE(points.size(), 101u);
    EXPECT_EQ(points.front(), (BasicFunctionPreview::Point{0, 100}));
    EXPECT_EQ(points[1], (BasicFunctionPreview::Point{0, 100}));  // membership(0) = 0
    EXPECT_EQ(points[51].y, 0);                                    // the peak at t = 0.5
    for (const auto& p : points) {
        EXPECT_GE(p.x, 0);
        EXPECT_LE(p.x, 200);
        EXPECT_GE(p.y, 0);
        EXPECT_LE(p.y, 100);
    }
}

INSTANTIATE_TEST_SUITE_P(AllShapes, ShapeTest, ::testing::ValuesIn(kAllShapes),
                         [](const auto& info) { return std::string(basicFunctionName(info.param)); });

TEST(BasicFunctionShape, NamesAndItemsFollowTheShapeNumbers) {
    const char* names[] = {"triangular", "quadratic", "sinusoidal", "fuzzynumber"};
    const char* items[] = {"Triangular", "Quadratic", "Sinusoidal", "FuzzyNumber"};
    for (int i = 0; i < kBasicFunctionShapeCount; ++i) {
        const auto shape = basicFunctionShapeOf(i);
        ASSERT_TRUE(shape);
        EXPECT_EQ(basicFunctionName(*shape), names[i]);
        EXPECT_EQ(basicFunctionItem(*shape), items[i]);
        EXPECT_EQ(basicFunctionShapeNamed(names[i]), shape);
    }
}

TEST(BasicFunctionShape, UnknownShapesGiveNothing) {
    EXPECT_EQ(TFuzzyCoverFactory::make(-1, 0.0, 1.0), nullptr);
    EXPECT_EQ(TFuzzyCoverFactory::make(4, 0.0, 1.0), nullptr);
    EXPECT_EQ(TFuzzyCoverFactory::make(std::string_view("Triangular"), 0.0, 1.0), nullptr);
    EXPECT_EQ(TFuzzyCoverFactory::make(static_cast<BasicFunctionShape>(9), 0.0, 1.0), nullptr);
    EXPECT_TRUE(basicFunctionName(static_cast<BasicFunctionShape>(9)).empty());
    EXPECT_FALSE(basicFunctionShapeNamed(""));
}

TEST(BasicFunctionShape, SupportMustBeANonEmptyFiniteInterval) {
    EXPECT_THROW(TFuzzyCoverFactory::make(BasicFunctionShape::Triangular, 1.0, 1.0), std::invalid_argument);
    EXPECT_THROW(TFuzzyCoverFactory::make(BasicFunctionShape::Quadratic, 2.0, 1.0), std::invalid_argument);
    EXPECT_THROW(TFuzzyCoverFactory::make(BasicFunctionShape::Sinusoidal, 0.0, 1.0 / 0.0), std::invalid_argument);
}

TEST(BasicFunctionPreview, UnknownShapeDrawsOnlyTheStartPoint) {
    EXPECT_EQ(BasicFunctionPreview::polyline(static_cast<BasicFunctionShape>(7), 10, 10).size(), 1u);
}

}  // namespace
}  // namespace zorv
