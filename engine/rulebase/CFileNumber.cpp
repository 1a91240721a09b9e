#include "rulebase/CFileNumber.h"

#include <array>
#include <charconv>
#include <limits>

namespace zorv {

namespace {

std::string ToChars(double value, int precision) {
    std::array<char, 64> buffer{};
    const auto result = precision > 0
                            ? std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                            std::chars_format::general, precision)
                            : std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), result.ptr);
}

bool ReadsBackAs(const std::string& text, double value) {
    const auto scanned = CFileNumber::Scan(text);
    if (!scanned || scanned->length != text.size()) return false;
    if (value != value) return scanned->value != scanned->value;  // NaN
    return scanned->value == value;
}

// Whether an out-of-range number text stands for a value too small (rather than too large) for a double:
// a negative exponent, or no non-zero digit before the decimal point.
bool IsUnderflow(std::string_view number) {
    const std::size_t e = number.find_first_of("eE");
    if (e != std::string_view::npos && e + 1 < number.size() && number[e + 1] == '-') return true;
    for (const char c : number.substr(0, number.find_first_of(".eE"))) {
        if (c >= '1' && c <= '9') return false;
    }
    return true;
}

}  // namespace

std::string CFileNumber::Format(double value) {
    std::string text = ToChars(value, 6);
    if (ReadsBackAs(text, value)) return text;
    return ToChars(value, 0);
}

std::optional<CFileNumber::Scanned> CFileNumber::Scan(std::string_view text) {
    std::size_t sign = 0;
    bool negative = false;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        negative = text[0] == '-';
        sign = 1;
    }
    // from_chars takes "-" but not "+"; a sign followed by another sign is not a number.
    const std::string_view body = text.substr(sign);
    if (body.empty() || body[0] == '+' || body[0] == '-') return std::nullopt;
    double value = 0.0;
    const auto result = std::from_chars(body.data(), body.data() + body.size(), value);
    if (result.ec == std::errc::invalid_argument) return std::nullopt;
    const std::size_t length = static_cast<std::size_t>(result.ptr - body.data());
    if (result.ec == std::errc::result_out_of_range) {
        value = IsUnderflow(body.substr(0, length)) ? 0.0 : std::numeric_limits<double>::infinity();
    }
    return Scanned{negative ? -value : value, sign + length};
}

long long CFileNumber::ScanInteger(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    constexpr long long kMax = std::numeric_limits<long long>::max();
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        const int digit = text[i] - '0';
        value = value > (kMax - digit) / 10 ? kMax : value * 10 + digit;
    }
    return negative ? -value : value;
}

}  // namespace zorv
