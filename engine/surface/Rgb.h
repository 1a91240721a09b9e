#pragma once

#include <cstdint>

namespace zorv {

// A colour of the surface picture, 8 bits per channel.
struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    constexpr bool operator==(const Rgb&) const = default;
};

}  // namespace zorv
