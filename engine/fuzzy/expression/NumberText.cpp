#include "fuzzy/expression/NumberText.h"

#include <array>
#include <charconv>
#include <cmath>
#include <system_error>

namespace zorv {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::optional<CNumberText> readNumber(std::string_view text) {
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    // Only decimal notation: a digit, or a point followed by a digit (keeps "inf", "nan" and hex out).
    const bool startsNumber = i < text.size() && (isDigit(text[i]) || (text[i] == '.' && i + 1 < text.size() &&
                                                                       isDigit(text[i + 1])));
    if (!startsNumber) return std::nullopt;
    double value = 0.0;
    const char* first = text.data() + i;
    const auto [end, error] = std::from_chars(first, text.data() + text.size(), value, std::chars_format::general);
    if (error != std::errc() || !std::isfinite(value)) return std::nullopt;
    return CNumberText{negative ? -value : value, static_cast<std::size_t>(end - text.data())};
}

std::string formatNumber(double value) {
    std::array<char, 64> buffer{};
    char* const end = buffer.data() + buffer.size();
    const auto result = std::to_chars(buffer.data(), end, value, std::chars_format::general, 6);
    return std::string(buffer.data(), result.ptr);
}

}  // namespace zorv
