#include "app/core/workbench/PlacementRecord.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

namespace zorv {
namespace {

TEST(PlacementRecord, BytesAreLittleEndianWithFlagAndZeroPadding) {
    const PlacementRecord record{1, -2, 0x01020304, 300, true};
    const PlacementRecord::Bytes expected{0x01, 0x00, 0x00, 0x00,  // left
                                          0xFE, 0xFF, 0xFF, 0xFF,  // top
                                          0x04, 0x03, 0x02, 0x01,  // width
                                          0x2C, 0x01, 0x00, 0x00,  // height
                                          0x01, 0x00, 0x00, 0x00};
    EXPECT_EQ(record.encode(), expected);
    PlacementRecord normal = record;
    normal.maximized = false;
    EXPECT_EQ(normal.encode()[16], 0);
}

TEST(PlacementRecord, RoundTrips) {
    constexpr auto lowest = std::numeric_limits<std::int32_t>::min();
    constexpr auto highest = std::numeric_limits<std::int32_t>::max();
    const PlacementRecord records[] = {
        {},
        {10, 20, 640, 480, false},
        {-1920, -8, 1920, 1080, true},
        {lowest, highest, lowest, highest, true},
    };
    for (const PlacementRecord& record : records) {
        const auto bytes = record.encode();
        EXPECT_EQ(PlacementRecord::decode(bytes), record);
    }
}

TEST(PlacementRecord, AnyNonzeroFlagMeansMaximizedAndPaddingIsIgnored) {
    auto bytes = PlacementRecord{5, 6, 7, 8, false}.encode();
    bytes[16] = 0x80;
    bytes[17] = 0xAA;
    bytes[19] = 0xFF;
    const auto record = PlacementRecord::decode(bytes);
    ASSERT_TRUE(record);
    EXPECT_TRUE(record->maximized);
    EXPECT_EQ(record->left, 5);
    EXPECT_EQ(record->height, 8);
}

TEST(PlacementRecord, OtherLengthsAreRefused) {
    for (const std::size_t size : {0u, 1u, 16u, 19u, 21u, 40u}) {
        const std::vector<std::uint8_t> bytes(size, 0x01);
        EXPECT_FALSE(PlacementRecord::decode(bytes)) << size;
    }
}

}  // namespace
}  // namespace zorv
