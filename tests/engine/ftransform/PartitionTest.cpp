#include "ftransform/partition/EFTransformSettings.h"
#include "ftransform/partition/PartitionSettings.h"
#include "ftransform/partition/TFuzzyCovering.h"
#include "ftransform/partition/TPartition.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <stdexcept>
#include <string>

namespace zorv {
namespace {

TEST(TPartition, StepAndNodes) {
    const TPartition partition(0.0, 10.0, 2);
    EXPECT_EQ(partition.step(), 5.0);
    EXPECT_EQ(partition.node(0), 0.0);
    EXPECT_EQ(partition.node(2), 10.0);
}

struct NodeOfCase {
    double x;
    int node;
};

class NodeOfTest : public ::testing::TestWithParam<NodeOfCase> {};

// Three nodes on [0, 10].
TEST_P(NodeOfTest, BaseNodeOfClampedInput) {
    const TPartition partition(0.0, 10.0, 2);
    EXPECT_EQ(partition.nodeOf(GetParam().x), GetParam().node);
}

INSTANTIATE_TEST_SUITE_P(ThreeNodes, NodeOfTest,
                         ::testing::Values(NodeOfCase{0.0, 0}, NodeOfCase{2.5, 0}, NodeOfCase{4.999, 0},
                                           NodeOfCase{5.0, 1}, NodeOfCase{9.99, 1}, NodeOfCase{10.0, 2},
                                           NodeOfCase{25.0, 2}, NodeOfCase{-3.0, 0},
                                           NodeOfCase{std::numeric_limits<double>::infinity(), 2},
                                           NodeOfCase{-std::numeric_limits<double>::infinity(), 0},
                                           NodeOfCase{std::numeric_limits<double>::quiet_NaN(), 0}));

TEST(TPartition, RefusesADegenerateGrid) {
    EXPECT_THROW(TPartition(1.0, 1.0, 3), std::invalid_argument);
    EXPECT_THROW(TPartition(2.0, 1.0, 3), std::invalid_argument);
    EXPECT_THROW(TPartition(0.0, 1.0, 0), std::invalid_argument);
}

TEST(TFuzzyCovering, AxisValueIsZeroForNodesOutsideTheGrid) {
    const TFuzzyCovering axis(PartitionSettings{0.0, 10.0, 3, BasicFunctionShape::Triangular});
    EXPECT_EQ(axis.axisValue(-1, 0.0), 0.0);
    EXPECT_EQ(axis.axisValue(3, 10.0), 0.0);
    EXPECT_EQ(axis.axisValue(2, 10.0), 1.0);
    EXPECT_EQ(axis.axisValue(1, 7.5), 0.5);
    EXPECT_EQ(axis.cover().a(), -5.0);
    EXPECT_EQ(axis.cover().b(), 5.0);
}

TEST(PartitionSettings, RecordForAContextHasTheDefaults) {
    const PartitionSettings s = PartitionSettings::forContext(-3.0, 7.0);
    EXPECT_EQ(s, (PartitionSettings{-3.0, 7.0, 10, BasicFunctionShape::Triangular}));
    EXPECT_FALSE(s.fault());
}

struct FaultCase {
    const char* name;
    PartitionSettings settings;
    const char* messagePart;
};

void PrintTo(const FaultCase& c, std::ostream* os) { *os << c.name; }

class PartitionFaultTest : public ::testing::TestWithParam<FaultCase> {};

TEST_P(PartitionFaultTest, IsRefusedWithAClearMessage) {
    const FaultCase& c = GetParam();
    const auto fault = c.settings.fault();
    ASSERT_TRUE(fault);
    EXPECT_NE(fault->find(c.messagePart), std::string::npos) << *fault;
    try {
        TFuzzyCovering axis(c.settings);
        FAIL() << "accepted " << c.name;
    } catch (const EFTransformSettings& e) {
        EXPECT_EQ(e.message(), *fault);
    }
}

constexpr double kInf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Degenerate, PartitionFaultTest,
    ::testing::Values(
        FaultCase{"OneNode", {0.0, 1.0, 1, BasicFunctionShape::Triangular}, "at least 2, not 1"},
        FaultCase{"ZeroNodes", {0.0, 1.0, 0, BasicFunctionShape::Triangular}, "at least 2, not 0"},
        FaultCase{"NegativeNodes", {0.0, 1.0, -4, BasicFunctionShape::Quadratic}, "at least 2, not -4"},
        FaultCase{"EmptyContext", {5.0, 5.0, 10, BasicFunctionShape::Triangular}, "<5, 5> is empty"},
        FaultCase{"ReversedContext", {6.0, 5.0, 10, BasicFunctionShape::Sinusoidal}, "<6, 5> is empty"},
        FaultCase{"InfiniteBound", {0.0, kInf, 10, BasicFunctionShape::Triangular}, "finite bounds"},
        FaultCase{"NaNBound", {std::nan(""), 1.0, 10, BasicFunctionShape::Triangular}, "finite bounds"},
        FaultCase{"OverflowingWidth", {-1e308, 1e308, 10, BasicFunctionShape::Triangular}, "cannot be divided"},
        FaultCase{"UnknownShape", {0.0, 1.0, 10, static_cast<BasicFunctionShape>(4)}, "shape"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zorv
