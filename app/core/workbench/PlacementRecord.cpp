#include "app/core/workbench/PlacementRecord.h"

namespace zorv {
namespace {

void putInt32(PlacementRecord::Bytes& bytes, std::size_t offset, std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    for (std::size_t i = 0; i < 4; ++i) {
        bytes[offset + i] = static_cast<std::uint8_t>(bits >> (8 * i));
    }
}

std::int32_t getInt32(std::span<const std::uint8_t> bytes, std::size_t offset) {
    std::uint32_t bits = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        bits |= static_cast<std::uint32_t>(bytes[offset + i]) << (8 * i);
    }
    return static_cast<std::int32_t>(bits);
}

}  // namespace

PlacementRecord::Bytes PlacementRecord::encode() const {
    Bytes bytes{};
    putInt32(bytes, 0, left);
    putInt32(bytes, 4, top);
    putInt32(bytes, 8, width);
    putInt32(bytes, 12, height);
    bytes[16] = maximized ? 1 : 0;
    return bytes;
}

std::optional<PlacementRecord> PlacementRecord::decode(std::span<const std::uint8_t> bytes) {
    if (bytes.size() != kSize) {
        return std::nullopt;
    }
    PlacementRecord record;
    record.left = getInt32(bytes, 0);
    record.top = getInt32(bytes, 4);
    record.width = getInt32(bytes, 8);
    record.height = getInt32(bytes, 12);
    record.maximized = bytes[16] != 0;
    return record;
}

}  // namespace zorv
