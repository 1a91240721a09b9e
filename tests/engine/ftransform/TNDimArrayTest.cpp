#include "ftransform/ndim/TNDimArray.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace zorv {
namespace {

using Index = std::vector<int>;

std::vector<Index> visited(TNDimArray& array) {
    std::vector<Index> cells;
    for (array.beginIteration(); !array.done(); array.next()) {
        cells.push_back(array.cursor());
    }
    return cells;
}

TEST(TNDimArray, LinearIndexHasTheFirstIndexFastest) {
    const TNDimArray array({2, 3});
    EXPECT_EQ(array.total(), 6u);
    const int index[] = {1, 2};
    EXPECT_EQ(array.linearIndex(index), 5u);
    const int origin[] = {0, 0};
    EXPECT_EQ(array.linearIndex(origin), 0u);
    const int second[] = {0, 1};
    EXPECT_EQ(array.linearIndex(second), 2u);
}

TEST(TNDimArray, IterationVisitsEveryCellInLinearOrderAndWraps) {
    TNDimArray array({2, 3});
    const std::vector<Index> expected = {{0, 0}, {1, 0}, {0, 1}, {1, 1}, {0, 2}, {1, 2}};
    EXPECT_EQ(visited(array), expected);
    EXPECT_TRUE(array.done());
    EXPECT_EQ(array.cursor(), (Index{0, 0}));
}

TEST(TNDimArray, SizeOneDimensionCarriesAtOnce) {
    TNDimArray array({1, 2});
    EXPECT_EQ(visited(array), (std::vector<Index>{{0, 0}, {0, 1}}));
}

TEST(TNDimArray, IterationCanBeRestarted) {
    TNDimArray array({3});
    array.beginIteration();
    array.next();
    EXPECT_EQ(array.cursor(), Index{1});
    EXPECT_EQ(visited(array).size(), 3u);
}

TEST(TNDimArray, ZeroSizedDimensionHasNoCellToVisit) {
    TNDimArray array({3, 0});
    EXPECT_EQ(array.total(), 0u);
    EXPECT_TRUE(visited(array).empty());
}

TEST(TNDimArray, SetReturnsTheLinearPositionAndGetReadsItBack) {
    TNDimArray array({2, 3, 4});
    const int index[] = {1, 2, 3};
    EXPECT_EQ(array.set(index, 7.25), 1u + 2u * 2u + 3u * 6u);
    EXPECT_EQ(array.get(index), 7.25);
    EXPECT_EQ(array.at(23), 7.25);
}

TEST(TNDimArray, GetWithoutIndexReadsTheCursorCell) {
    TNDimArray array({2, 2});
    const int index[] = {1, 1};
    array.set(index, 3.0);
    double sum = 0.0;
    for (array.beginIteration(); !array.done(); array.next()) {
        sum += array.get();
    }
    EXPECT_EQ(sum, 3.0);
}

TEST(TNDimArray, ClearZeroesEveryCell) {
    TNDimArray array({3, 2});
    for (array.beginIteration(); !array.done(); array.next()) {
        array.set(array.cursor().data(), 9.0);
    }
    array.clear();
    for (array.beginIteration(); !array.done(); array.next()) {
        EXPECT_EQ(array.get(), 0.0);
    }
}

TEST(TNDimArray, StridesFollowTheCellOrder) {
    const TNDimArray array({2, 3, 4});
    EXPECT_EQ(array.strides(), (std::vector<std::size_t>{1, 2, 6}));
}

TEST(TNDimArray, RefusesShapesItCannotHold) {
    EXPECT_THROW(TNDimArray(std::vector<int>{}), std::invalid_argument);
    EXPECT_THROW(TNDimArray({2, -1}), std::invalid_argument);
    EXPECT_THROW(TNDimArray({1 << 30, 1 << 30, 1 << 30}), std::length_error);
}

}  // namespace
}  // namespace zorv
