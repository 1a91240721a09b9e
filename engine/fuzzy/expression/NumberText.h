#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace zorv {

// A real number read from the start of a text: optional sign, digits with an optional decimal point and an
// optional exponent ("12", "-3.5", "+.5", "1e-3"), independent of the locale. Infinite, NaN and
// out-of-range values are not numbers. length is the number of characters read.
struct CNumberText {
    double value = 0.0;
    std::size_t length = 0;
};
std::optional<CNumberText> readNumber(std::string_view text);

// The number as printf "%g" writes it ("3.5", "1e-05", "-0"), independent of the locale.
std::string formatNumber(double value);

}  // namespace zorv
