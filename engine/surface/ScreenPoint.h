#pragma once

namespace zorv {

// A pixel position on a drawing area: x to the right, y downwards.
struct ScreenPoint {
    int x = 0;
    int y = 0;
    constexpr bool operator==(const ScreenPoint&) const = default;
};

}  // namespace zorv
