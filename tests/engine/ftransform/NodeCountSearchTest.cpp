#include "ftransform/command/NodeCountSearch.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace zorv {
namespace {

struct SearchCase {
    const char* name;
    int highest;
    double maxError;
    std::function<double(int)> error;
    NodeCountSearch::Result result;
    std::vector<int> evaluated;  // the counts fitted, in order; the last one is the transform kept
};

void PrintTo(const SearchCase& c, std::ostream* os) { *os << c.name; }

class NodeCountSearchTest : public ::testing::TestWithParam<SearchCase> {};

TEST_P(NodeCountSearchTest, HalvesTowardsTheCountThatMeetsTheError) {
    const SearchCase& c = GetParam();
    std::vector<int> evaluated;
    const auto result = NodeCountSearch::run(c.highest, c.maxError, [&](int m) {
        evaluated.push_back(m);
        return c.error(m);
    });
    EXPECT_EQ(result, c.result);
    EXPECT_EQ(evaluated, c.evaluated);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NodeCountSearchTest,
    ::testing::Values(
        // err(m) = 10 / m; 4 nodes give exactly E, which counts as missing it.
        SearchCase{"FallingError", 10, 2.5, [](int m) { return 10.0 / m; }, {5, false}, {10, 5, 3, 4, 5}},
        // Every count fits: the halving runs down to two nodes and ends on them.
        SearchCase{"ConstantFit", 10, 0.001, [](int) { return 0.0; }, {2, false}, {10, 5, 3, 2}},
        SearchCase{"NothingFits", 10, 0.5, [](int) { return 1.0; }, {10, true}, {10}},
        SearchCase{"NegativeMaxError", 6, -1.0, [](int) { return 0.0; }, {6, true}, {6}},
        SearchCase{"SmallestTable", 2, 0.1, [](int) { return 0.0; }, {2, false}, {2}},
        SearchCase{"ErrorEqualToMaxAtTheTop", 3, 1.0, [](int) { return 1.0; }, {3, false}, {3, 2, 3}},
        // Two nodes would fit, but the halving never looks below the first failing count.
        SearchCase{"NotTheGlobalMinimum", 10, 0.5, [](int m) { return m == 2 || m == 10 ? 0.0 : 1.0; },
                   {10, false}, {10, 5, 7, 8, 9, 10}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zorv
