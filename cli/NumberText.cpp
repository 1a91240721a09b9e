#include "cli/NumberText.h"

#include <array>
#include <charconv>
#include <cmath>

namespace zorv::cli {

namespace {

// from_chars accepts a leading "-" but not a leading "+".
std::string_view withoutPlus(std::string_view text) {
    if (text.size() > 1 && text.front() == '+' && text[1] != '-' && text[1] != '+') {
        text.remove_prefix(1);
    }
    return text;
}

}  // namespace

std::string shortestText(double value) {
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), result.ptr);
}

std::optional<double> parseReal(std::string_view text) {
    text = withoutPlus(text);
    double value = 0.0;
    const char* end = text.data() + text.size();
    const auto [next, ec] = std::from_chars(text.data(), end, value, std::chars_format::general);
    if (text.empty() || ec != std::errc() || next != end || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::optional<std::int64_t> parseInteger(std::string_view text) {
    text = withoutPlus(text);
    std::int64_t value = 0;
    const char* end = text.data() + text.size();
    const auto [next, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || next != end) {
        return std::nullopt;
    }
    return value;
}

}  // namespace zorv::cli
