#include "ftransform/command/DataCellNumber.h"

#include "ftransform/partition/NumberText.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace zorv {

namespace {

std::string_view trimmed(std::string_view text) {
    constexpr std::string_view blanks = " \t\r\n\v\f";
    const auto first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(blanks);
    return text.substr(first, last - first + 1);
}

int decimalMarks(std::string_view text) {
    return static_cast<int>(std::count_if(text.begin(), text.end(), [](char c) { return c == ',' || c == '.'; }));
}

std::optional<double> parsed(std::string_view text) {
    double value = 0.0;
    const char* const end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value, std::chars_format::general);
    if (result.ec != std::errc{} || result.ptr != end || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

std::optional<double> DataCellNumber::read(std::string_view text) {
    std::string_view body = trimmed(text);
    const bool plus = !body.empty() && body.front() == '+';
    if (plus) {
        body.remove_prefix(1);
    }
    if (body.empty() || (plus && (body.front() == '+' || body.front() == '-'))) {
        return std::nullopt;
    }
    if (decimalMarks(body) > 1) {
        return std::nullopt;
    }
    const auto comma = body.find(',');
    if (comma == std::string_view::npos) {
        return parsed(body);
    }
    std::string withPoint(body);
    withPoint[comma] = '.';
    return parsed(withPoint);
}

double DataCellNumber::roundToThreeDigits(double value) {
    if (value == 0.0 || !std::isfinite(value)) {
        return value;
    }
    std::array<char, 32> buffer;
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                       std::chars_format::scientific, 2);
    double rounded = value;
    std::from_chars(buffer.data(), written.ptr, rounded, std::chars_format::scientific);
    return rounded;
}

std::string DataCellNumber::format(double value) {
    std::string text = NumberText::fixed(roundToThreeDigits(value), 6);
    if (text == "-0.000000") {
        text.erase(0, 1);
    }
    return text;
}

}  // namespace zorv
