#include "app/core/DataNumberFormat.h"

#include <array>
#include <charconv>
#include <cmath>

namespace zorv {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// Inserts "," between groups of three digits of the integer part of a fixed-notation text.
std::string Grouped(std::string_view fixed) {
    const std::size_t sign = (!fixed.empty() && fixed.front() == '-') ? 1 : 0;
    std::size_t digitsEnd = sign;
    while (digitsEnd < fixed.size() && IsDigit(fixed[digitsEnd])) {
        ++digitsEnd;
    }
    const std::size_t digits = digitsEnd - sign;
    std::string out(fixed.substr(0, sign));
    out.reserve(fixed.size() + digits / 3);
    for (std::size_t i = 0; i < digits; ++i) {
        if (i > 0 && (digits - i) % 3 == 0) {
            out += ',';
        }
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
            if ((first && (groupLength == 0 || groupLength > 3)) || (!first && groupLength != 3)) {
                return false;
            }
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

// Splits a grouped number "[sign]d,ddd.fff" into its digits without the ","; nothing when the text
// is not of that form.
std::optional<std::string> Ungrouped(std::string_view text) {
    const std::size_t point = text.find('.');
    const std::size_t comma = text.find(',');
    if (point == std::string_view::npos || comma == std::string_view::npos || comma > point ||
        text.find(',', point) != std::string_view::npos) {
        return std::nullopt;
    }
    const std::size_t sign = (text.front() == '-' || text.front() == '+') ? 1 : 0;
    if (!HasValidGroups(text.substr(sign, point - sign))) {
        return std::nullopt;
    }
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        if (c != ',') {
            out += c;
        }
    }
    return out;
}

std::optional<double> ParsePlain(std::string_view text) {
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && text.front() == '-') {
            return std::nullopt;
        }
    }
    if (text.empty()) {
        return std::nullopt;
    }
    double value = 0.0;
    const char* end = text.data() + text.size();
    const auto [next, ec] = std::from_chars(text.data(), end, value, std::chars_format::general);
    if (ec != std::errc() || next != end || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

std::string DataNumberFormat::FormatResult(double value) { return FormatGrouped(RoundToSignificant(value, 3)); }

std::string DataNumberFormat::FormatGrouped(double value) {
    // The largest double has 309 integer digits.
    std::array<char, 400> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::fixed, 6);
    if (!std::isfinite(value)) {
        return std::string(buffer.data(), result.ptr);
    }
    return Grouped(std::string_view(buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data())));
}

double DataNumberFormat::RoundToSignificant(double value, int digits) {
    if (!std::isfinite(value) || value == 0.0) {
        return value;
    }
    digits = digits < 1 ? 1 : (digits > 17 ? 17 : digits);
    std::array<char, 64> buffer{};
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                       std::chars_format::scientific, digits - 1);
    double rounded = value;
    std::from_chars(buffer.data(), written.ptr, rounded, std::chars_format::scientific);
    return rounded;
}

std::optional<double> DataNumberFormat::ParseCell(std::string_view text) {
    text = Trimmed(text);
    if (text.empty()) {
        return std::nullopt;
    }
    if (const auto ungrouped = Ungrouped(text)) {
        return ParsePlain(*ungrouped);
    }
    const std::size_t comma = text.find(',');
    if (comma == std::string_view::npos) {
        return ParsePlain(text);
    }
    if (text.find_first_of(",.", comma + 1) != std::string_view::npos || text.find('.') != std::string_view::npos) {
        return std::nullopt;
    }
    std::string withPoint(text);
    withPoint[comma] = '.';
    return ParsePlain(withPoint);
}

std::string DataNumberFormat::WithoutGroups(std::string_view text) {
    const std::string_view trimmed = Trimmed(text);
    if (trimmed.empty()) {
        return std::string(text);
    }
    const auto ungrouped = Ungrouped(trimmed);
    if (!ungrouped || !ParsePlain(*ungrouped)) {
        return std::string(text);
    }
    return *ungrouped;
}

bool DataNumberFormat::BeginsWithNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsSpace(text[i])) {
        ++i;
    }
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        ++i;
    }
    if (i < text.size() && IsDigit(text[i])) {
        return true;
    }
    const bool mark = i < text.size() && (text[i] == '.' || text[i] == ',');
    return mark && i + 1 < text.size() && IsDigit(text[i + 1]);
}

}  // namespace zorv
