#include "app/core/TermNumberText.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>

#include "fuzzy/expression/NumberText.h"

namespace zorv {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string Formatted(double value, std::optional<int> precision) {
    std::array<char, 64> buffer{};
    const auto result = precision ? std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                                  std::chars_format::general, *precision)
                                  : std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), result.ptr);
}

}  // namespace

std::string_view TermNumberText::Trimmed(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

std::optional<double> TermNumberText::ParseReal(std::string_view text) {
    const std::string_view trimmed = Trimmed(text);
    const auto number = readNumber(trimmed);
    if (!number || number->length != trimmed.size()) return std::nullopt;
    return number->value == 0.0 ? 0.0 : number->value;  // no "-0" in the fields
}

std::optional<int> TermNumberText::ParseInteger(std::string_view text) {
    std::string_view trimmed = Trimmed(text);
    const bool negative = !trimmed.empty() && trimmed.front() == '-';
    if (!trimmed.empty() && (trimmed.front() == '+' || negative)) trimmed.remove_prefix(1);
    if (trimmed.empty()) return std::nullopt;
    long long value = 0;
    for (const char c : trimmed) {
        if (!IsDigit(c)) return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > std::numeric_limits<int>::max()) return std::nullopt;
    }
    return static_cast<int>(negative ? -value : value);
}

std::string TermNumberText::Exact(double value) { return Formatted(value == 0.0 ? 0.0 : value, std::nullopt); }

std::string TermNumberText::ThreeDigits(double value) { return Formatted(value == 0.0 ? 0.0 : value, 3); }

std::string TermNumberText::RealError(std::string_view text) {
    return std::string("'").append(text).append("' is not a valid floating point value");
}

std::string TermNumberText::IntegerError(std::string_view text) {
    return std::string("'").append(text).append("' is not a valid integer value");
}

}  // namespace zorv
