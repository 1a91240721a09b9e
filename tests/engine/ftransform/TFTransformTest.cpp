#include "ftransform/partition/EFTransformSettings.h"
#include "ftransform/transform/TFTransform.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

namespace zorv {
namespace {

PartitionSettings axis(double low, double high, int nodes, BasicFunctionShape shape = BasicFunctionShape::Triangular) {
    return PartitionSettings{low, high, nodes, shape};
}

// Three triangular nodes on [0, 10] (h = 5), default value 6.
TFTransform threeNodes() {
    TFTransform transform(std::vector{axis(0.0, 10.0, 3)});
    transform.setDefaultValue(6.0);
    transform.reset();
    return transform;
}

std::vector<double> cells(const TNDimArray& array) { return array.values(); }

TEST(TFTransform, SinglePointReachesTheTwoNodesAroundIt) {
    TFTransform t = threeNodes();
    EXPECT_TRUE(t.addPoint(std::vector{2.5, 4.0}));
    t.finish();
    EXPECT_EQ(cells(t.denominators()), (std::vector{0.5, 0.5, 0.0}));
    EXPECT_EQ(cells(t.components()), (std::vector{4.0, 4.0, 0.0}));
    EXPECT_EQ(cells(t.valid()), (std::vector{1.0, 1.0, 0.0}));
    EXPECT_EQ(t.inverse(std::vector{7.5}), 0.5 * 4.0 + 0.5 * 6.0);
    EXPECT_EQ(t.inverse(std::vector{2.5}), 4.0);
}

TEST(TFTransform, UpperBoundVisitsOnlyTheLastNodeWithWeightOne) {
    TFTransform t = threeNodes();
    t.addPoint(std::vector{10.0, 3.0});
    t.finish();
    EXPECT_EQ(cells(t.denominators()), (std::vector{0.0, 0.0, 1.0}));
    EXPECT_EQ(cells(t.valid()), (std::vector{0.0, 0.0, 1.0}));
    EXPECT_EQ(t.inverse(std::vector{10.0}), 3.0);
}

TEST(TFTransform, OutsideInputsChooseTheClampedNodeButWeighTheRealDistance) {
    TFTransform t = threeNodes();
    t.addPoint(std::vector{-2.5, 8.0});   // half a step below low: weight 0.5 on node 0
    t.addPoint(std::vector{-100.0, 1.0}); // far outside: weight 0 everywhere
    t.addPoint(std::vector{12.5, 2.0});   // half a step above high: weight 0.5 on node 2
    t.finish();
    EXPECT_EQ(cells(t.denominators()), (std::vector{0.5, 0.0, 0.5}));
    EXPECT_EQ(cells(t.components()), (std::vector{8.0, 0.0, 2.0}));
}

TEST(TFTransform, ResetStartsANewFitOnTheSameAxes) {
    TFTransform t = threeNodes();
    t.addPoint(std::vector{5.0, 9.0});
    t.finish();
    t.reset();
    t.addPoint(std::vector{0.0, 1.0});
    t.finish();
    EXPECT_EQ(cells(t.valid()), (std::vector{1.0, 0.0, 0.0}));
    EXPECT_EQ(t.inverse(std::vector{5.0}), 6.0);  // node 1 has no data any more
}

TEST(TFTransform, NonFinitePointsAreIgnored) {
    TFTransform t = threeNodes();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_FALSE(t.addPoint(std::vector{nan, 1.0}));
    EXPECT_FALSE(t.addPoint(std::vector{1.0, inf}));
    t.finish();
    EXPECT_EQ(cells(t.valid()), (std::vector{0.0, 0.0, 0.0}));
    EXPECT_EQ(t.inverse(std::vector{3.0}), 6.0);
}

TEST(TFTransform, PointOfTheWrongSizeIsRefused) {
    TFTransform t = threeNodes();
    EXPECT_THROW(t.addPoint(std::vector{1.0}), std::invalid_argument);
    EXPECT_THROW(t.addPoint(std::vector{1.0, 2.0, 3.0}), std::invalid_argument);
    EXPECT_THROW((void)t.inverse(std::vector<double>{}), std::invalid_argument);
}

class TFTransformShapeTest : public ::testing::TestWithParam<BasicFunctionShape> {};

// A constant is reproduced exactly wherever every neighbouring node has data.
TEST_P(TFTransformShapeTest, ConstantDataIsReconstructedEverywhere) {
    TFTransform t(std::vector{axis(-1.0, 1.0, 5, GetParam()), axis(0.0, 3.0, 4, GetParam())});
    t.reset();
    for (double x = -1.0; x <= 1.0; x += 0.05) {
        for (double y = 0.0; y <= 3.0; y += 0.1) {
            t.addPoint(std::vector{x, y, 2.5});
        }
    }
    t.finish();
    for (double x = -1.0; x <= 1.0; x += 0.013) {
        ASSERT_NEAR(t.inverse(std::vector{x, 1.7}), 2.5, 1e-12) << x;
    }
}

// The neighbourhood walk must give the same sums as weighing the point against every cell.
TEST_P(TFTransformShapeTest, NeighbourhoodWalkMatchesTheWholeGrid) {
    const std::vector settings{axis(0.0, 2.0, 3, GetParam()), axis(-1.0, 1.0, 4, GetParam()),
                               axis(5.0, 6.0, 2, GetParam())};
    TFTransform t(settings);
    t.reset();
    TNDimArray expected({3, 4, 2});
    std::mt19937 random(7);
    std::uniform_real_distribution<double> spread(-0.3, 1.3);
    for (int i = 0; i < 200; ++i) {
        const std::vector p{2.0 * spread(random), -1.0 + 2.0 * spread(random), 5.0 + spread(random), spread(random)};
        t.addPoint(p);
        for (expected.beginIteration(); !expected.done(); expected.next()) {
            const auto& k = expected.cursor();
            double w = 1.0;
            for (int a = 0; a < 3; ++a) {
                w *= t.axis(a).axisValue(k[static_cast<std::size_t>(a)], p[static_cast<std::size_t>(a)]);
            }
            expected.set(k.data(), expected.get() + w);
        }
    }
    for (std::size_t cell = 0; cell < expected.total(); ++cell) {
        ASSERT_NEAR(t.denominators().at(cell), expected.at(cell), 1e-12) << cell;
    }
}

INSTANTIATE_TEST_SUITE_P(AllShapes, TFTransformShapeTest,
                         ::testing::Values(BasicFunctionShape::Triangular, BasicFunctionShape::Quadratic,
                                           BasicFunctionShape::Sinusoidal, BasicFunctionShape::FuzzyNumber),
                         [](const auto& info) { return std::string(basicFunctionName(info.param)); });

TEST(TFTransform, TwoAxesUseTheFirstAxisFastest) {
    TFTransform t(std::vector{axis(0.0, 1.0, 2), axis(0.0, 2.0, 3)});
    t.reset();
    t.addPoint(std::vector{1.0, 0.0, 7.0});  // node (1, 0): linear position 1
    t.addPoint(std::vector{0.0, 2.0, 3.0});  // node (0, 2): linear position 4
    t.finish();
    EXPECT_EQ(cells(t.valid()), (std::vector{0.0, 1.0, 0.0, 0.0, 1.0, 0.0}));
    EXPECT_EQ(t.components().at(1), 7.0);
    EXPECT_EQ(t.components().at(4), 3.0);
}

struct RefusalCase {
    const char* name;
    std::vector<PartitionSettings> settings;
    int axis;
    const char* messagePart;
};

void PrintTo(const RefusalCase& c, std::ostream* os) { *os << c.name; }

class TFTransformRefusalTest : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(TFTransformRefusalTest, IsRefusedWithAClearMessage) {
    const RefusalCase& c = GetParam();
    try {
        TFTransform t(c.settings);
        FAIL() << "accepted";
    } catch (const EFTransformSettings& e) {
        EXPECT_EQ(e.axis(), c.axis);
        EXPECT_NE(e.message().find(c.messagePart), std::string::npos) << e.message();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Degenerate, TFTransformRefusalTest,
    ::testing::Values(
        RefusalCase{"NoAxis", {}, EFTransformSettings::kNoAxis, "at least one input"},
        RefusalCase{"OneNode", {axis(0, 1, 5), axis(0, 1, 1)}, 1, "Input variable 2: The number of nodes"},
        RefusalCase{"EmptyContext", {axis(2, 2, 5)}, 0, "Input variable 1: The context <2, 2> is empty"},
        RefusalCase{"ReversedContext", {axis(0, 1, 3), axis(3, -3, 3)}, 1, "<3, -3> is empty"},
        RefusalCase{"GridTooLarge", {axis(0, 1, 5000), axis(0, 1, 5000)}, EFTransformSettings::kNoAxis,
                    "2.5e+07 cells; at most 16777216"},
        RefusalCase{"TooManyAxes", std::vector<PartitionSettings>(25, axis(0, 1, 2)), EFTransformSettings::kNoAxis,
                    "cells"},
        RefusalCase{"HugeGridWouldOverflow", std::vector<PartitionSettings>(8, axis(0, 1, 1 << 30)),
                    EFTransformSettings::kNoAxis, "cells"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TFTransform, GridAtTheCellBoundIsAccepted) {
    TFTransform t(std::vector{axis(0, 1, 4096), axis(0, 1, 4096)});
    EXPECT_EQ(t.cellCount(), TFTransform::kMaxCells);
}

TEST(TFTransform, LargestNodeCountPerAxisWithinTheBound) {
    EXPECT_EQ(TFTransform::maxNodesPerAxis(0), 0);
    EXPECT_EQ(TFTransform::maxNodesPerAxis(1), 16777216);
    EXPECT_EQ(TFTransform::maxNodesPerAxis(2), 4096);
    EXPECT_EQ(TFTransform::maxNodesPerAxis(3), 256);
    EXPECT_EQ(TFTransform::maxNodesPerAxis(5), 27);
    EXPECT_EQ(TFTransform::maxNodesPerAxis(24), 2);
    EXPECT_EQ(TFTransform::maxNodesPerAxis(25), 0);
}

}  // namespace
}  // namespace zorv
