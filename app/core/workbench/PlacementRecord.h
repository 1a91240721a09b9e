#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>

namespace zorv {

// Where a window stands between runs: its bounds in the normal (neither maximized nor minimized) state
// and whether it was maximized. Child windows count from the main window's client area.
// Stored as 20 little-endian bytes: left, top, width, height (signed 32-bit each), the maximized flag,
// three bytes of padding.
struct PlacementRecord {
    static constexpr std::size_t kSize = 20;
    using Bytes = std::array<std::uint8_t, kSize>;

    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    bool maximized = false;

    Bytes encode() const;
    // The record held by exactly 20 bytes; none for any other length. Any nonzero flag byte means
    // maximized; the padding is not looked at.
    static std::optional<PlacementRecord> decode(std::span<const std::uint8_t> bytes);

    bool operator==(const PlacementRecord&) const = default;
};

}  // namespace zorv
