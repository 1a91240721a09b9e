#include "text/NumberText.h"

#include <array>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdint>
#include <optional>
#include <limits>

namespace zorv {

namespace {

// Room for the longest fixed text of a double with up to 18 decimals (the largest double has 309 integer
// digits).
using Buffer = std::array<char, 512>;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

template <typename... Format>
std::string Chars(double value, Format... format) {
    Buffer buffer;
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, format...);
    return std::string(buffer.data(), result.ptr);
}

std::string_view WithoutBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

std::string_view WithoutSpace(std::string_view text) {
    while (!text.empty() && IsSpace(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsSpace(text.back())) text.remove_suffix(1);
    return text;
}

// A short plain decimal ("-12.375", "0.005"): at most 15 digits, so that the digits D form an exact double, and
// the value is D / 10^k with 10^k exact too; one correctly rounded division gives the double nearest to the
// text, as from_chars does. Anything else (exponents, long mantissas, a lone "." or "-") is left to it.
std::optional<double> ShortDecimal(std::string_view text) {
    static constexpr double kPowers[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                         1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    const char* p = text.data();
    const char* const end = p + text.size();
    const bool negative = p != end && *p == '-';
    if (negative) ++p;
    std::uint64_t digits = 0;
    int count = 0;
    int decimals = -1;  // digits after the point; -1 without a point
    for (; p != end; ++p) {
        if (IsDigit(*p)) {
            digits = digits * 10 + static_cast<std::uint64_t>(*p - '0');
            ++count;
            if (decimals >= 0) ++decimals;
        } else if (*p == '.' && decimals < 0 && count > 0) {
            decimals = 0;
        } else {
            return std::nullopt;
        }
    }
    if (count == 0 || count > 15 || decimals == 0) return std::nullopt;
    const double value = static_cast<double>(digits) / kPowers[decimals > 0 ? decimals : 0];
    return negative ? -value : value;
}

// from_chars takes a leading "-" but not a leading "+".
std::string_view WithoutPlus(std::string_view text) {
    if (text.size() > 1 && text.front() == '+' && text[1] != '-' && text[1] != '+') text.remove_prefix(1);
    return text;
}

// A finite number filling the whole text, as from_chars reads it after an optional "+".
std::optional<double> Plain(std::string_view text) {
    text = WithoutPlus(text);
    double value = 0.0;
    const char* end = text.data() + text.size();
    const auto [next, ec] = std::from_chars(text.data(), end, value, std::chars_format::general);
    if (text.empty() || ec != std::errc() || next != end || !std::isfinite(value)) return std::nullopt;
    return value;
}

// Inserts "," between groups of three digits of the integer part of a fixed-notation text.
std::string Grouped(std::string_view fixed) {
    const std::size_t sign = (!fixed.empty() && fixed.front() == '-') ? 1 : 0;
    std::size_t digitsEnd = sign;
    while (digitsEnd < fixed.size() && IsDigit(fixed[digitsEnd])) ++digitsEnd;
    const std::size_t digits = digitsEnd - sign;
    std::string out(fixed.substr(0, sign));
    out.reserve(fixed.size() + digits / 3);
    for (std::size_t i = 0; i < digits; ++i) {
        if (i > 0 && (digits - i) % 3 == 0) out += ',';
        out += fixed[sign + i];
    }
    out += fixed.substr(digitsEnd);
    return out;
}

// The integer part "d{1,3}(,ddd)*" before the ".", with the groups checked.
bool HasValidGroups(std::string_view integerPart) {
    std::size_t groupLength = 0;
    bool first = true;
    for (const char c : integerPart) {
        if (c == ',') {
            if ((first && (groupLength == 0 || groupLength > 3)) || (!first && groupLength != 3)) return false;
            first = false;
            groupLength = 0;
        } else if (IsDigit(c)) {
            ++groupLength;
        } else {
            return false;
        }
    }
    return !first && groupLength == 3;
}

// A grouped number "[sign]d,ddd.fff" without its ","; nothing when the text is not of that form.
std::optional<std::string> Ungrouped(std::string_view text) {
    const std::size_t point = text.find('.');
    const std::size_t comma = text.find(',');
    if (point == std::string_view::npos || comma == std::string_view::npos || comma > point ||
        text.find(',', point) != std::string_view::npos) {
        return std::nullopt;
    }
    const std::size_t sign = (text.front() == '-' || text.front() == '+') ? 1 : 0;
    if (!HasValidGroups(text.substr(sign, point - sign))) return std::nullopt;
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        if (c != ',') out += c;
    }
    return out;
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

bool ReadsBackAs(const std::string& text, double value) {
    const auto scanned = NumberText::scanFile(text);
    if (!scanned || scanned->length != text.size()) return false;
    if (std::isnan(value)) return std::isnan(scanned->value);
    return scanned->value == value;
}

}  // namespace

// ---- Writing ----

std::string NumberText::shortest(double value) { return Chars(value); }

char* NumberText::writeShortest(char* first, char* last, double value) {
    return std::to_chars(first, last, value).ptr;
}

std::string NumberText::general(double value) { return Chars(value, std::chars_format::general, 6); }

std::string NumberText::file(double value) {
    std::string text = general(value);
    return ReadsBackAs(text, value) ? text : shortest(value);
}

std::string NumberText::fixed(double value, int decimals) { return Chars(value, std::chars_format::fixed, decimals); }

std::string NumberText::integer(long long value) {
    std::array<char, 24> buffer;
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), result.ptr);
}

std::string NumberText::interval(double low, double high) {
    std::string text(1, '<');
    text.append(general(low)).append(", ").append(general(high)).push_back('>');
    return text;
}

std::string NumberText::grouped(double value) {
    const std::string text = fixed(value, 6);
    return std::isfinite(value) ? Grouped(text) : text;
}

std::string NumberText::dataResult(double value) { return grouped(roundToSignificant(value, 3)); }

std::string NumberText::dataCell(double value) {
    std::string text = fixed(roundToSignificant(value, 3), 6);
    if (text == "-0.000000") text.erase(0, 1);
    return text;
}

double NumberText::roundToSignificant(double value, int digits) {
    if (!std::isfinite(value) || value == 0.0) return value;
    digits = digits < 1 ? 1 : (digits > 17 ? 17 : digits);
    std::array<char, 64> buffer{};
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                       std::chars_format::scientific, digits - 1);
    double rounded = value;
    std::from_chars(buffer.data(), written.ptr, rounded, std::chars_format::scientific);
    return rounded;
}

std::string NumberText::field(double value) { return shortest(value == 0.0 ? 0.0 : value); }

std::string NumberText::threeDigits(double value) {
    return Chars(value == 0.0 ? 0.0 : value, std::chars_format::general, 3);
}

std::string NumberText::twoDecimals(double value) {
    std::string text = fixed(value, 2);
    if (text == "-0.00") text.erase(0, 1);
    return text;
}

// ---- Reading ----

std::optional<NumberText::Scanned> NumberText::readPrefix(std::string_view text) {
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    // Only decimal notation: a digit, or a point followed by a digit (keeps "inf", "nan" and hex out).
    const bool startsNumber =
        i < text.size() && (IsDigit(text[i]) || (text[i] == '.' && i + 1 < text.size() && IsDigit(text[i + 1])));
    if (!startsNumber) return std::nullopt;
    double value = 0.0;
    const char* first = text.data() + i;
    const auto [end, error] = std::from_chars(first, text.data() + text.size(), value, std::chars_format::general);
    if (error != std::errc() || !std::isfinite(value)) return std::nullopt;
    return Scanned{negative ? -value : value, static_cast<std::size_t>(end - text.data())};
}

std::optional<NumberText::Scanned> NumberText::scanFile(std::string_view text) {
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

long long NumberText::scanInteger(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsSpace(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    constexpr long long kMax = std::numeric_limits<long long>::max();
    long long value = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        const int digit = text[i] - '0';
        value = value > (kMax - digit) / 10 ? kMax : value * 10 + digit;
    }
    return negative ? -value : value;
}

std::optional<double> NumberText::parseReal(std::string_view text) {
    const auto number = readPrefix(text);
    if (!number || number->length != text.size()) return std::nullopt;
    return number->value;
}

std::optional<long long> NumberText::parseInteger(std::string_view text) {
    text = WithoutPlus(text);
    long long value = 0;
    const char* end = text.data() + text.size();
    const auto [next, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || next != end) return std::nullopt;
    return value;
}

std::optional<double> NumberText::parseField(std::string_view text) {
    const auto value = parseReal(WithoutBlanks(text));
    if (!value) return std::nullopt;
    return *value == 0.0 ? 0.0 : *value;  // no "-0" in the fields
}

std::optional<int> NumberText::parseFieldInteger(std::string_view text) {
    const auto value = parseInteger(WithoutBlanks(text));
    if (!value || *value > INT_MAX || *value < -INT_MAX) return std::nullopt;
    return static_cast<int>(*value);
}

std::optional<double> NumberText::parseDecimal(std::string_view text) {
    // The common cases first (batch evaluation reads millions): a short plain decimal, then any plain number
    // and nothing else.
    if (const auto shortValue = ShortDecimal(text)) return shortValue;
    double value = 0.0;
    const char* end = text.data() + text.size();
    if (const auto [next, ec] = std::from_chars(text.data(), end, value, std::chars_format::general);
        ec == std::errc() && next == end && std::isfinite(value)) {
        return value;
    }
    text = WithoutSpace(text);
    if (text.empty()) return std::nullopt;
    if (const auto ungrouped = Ungrouped(text)) return Plain(*ungrouped);
    const std::size_t comma = text.find(',');
    if (comma == std::string_view::npos) return Plain(text);
    if (text.find_first_of(",.", comma + 1) != std::string_view::npos || text.find('.') != std::string_view::npos) {
        return std::nullopt;
    }
    std::string withPoint(text);
    withPoint[comma] = '.';
    return Plain(withPoint);
}

std::string NumberText::withoutGroups(std::string_view text) {
    const std::string_view trimmed = WithoutBlanks(text);
    if (trimmed.empty()) return std::string(text);
    const auto ungrouped = Ungrouped(trimmed);
    if (!ungrouped || !Plain(*ungrouped)) return std::string(text);
    return *ungrouped;
}

bool NumberText::beginsWithNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsSpace(text[i])) ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    if (i < text.size() && IsDigit(text[i])) return true;
    const bool mark = i < text.size() && (text[i] == '.' || text[i] == ',');
    return mark && i + 1 < text.size() && IsDigit(text[i + 1]);
}

}  // namespace zorv
