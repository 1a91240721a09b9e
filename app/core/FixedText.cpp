#include "app/core/FixedText.h"

#include <array>
#include <charconv>

namespace zorv {

std::string FixedText::TwoDecimals(double value) {
    std::array<char, 400> buffer{};
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed, 2);
    std::string text(buffer.data(), written.ptr);
    if (text == "-0.00") text.erase(0, 1);
    return text;
}

}  // namespace zorv
