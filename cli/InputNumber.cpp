#include "cli/InputNumber.h"

#include <array>
#include <charconv>
#include <cmath>

namespace zorv::cli {

namespace {

// Long enough for any number a person writes; longer tokens are not numbers.
constexpr std::size_t kMaxNumberLength = 400;

bool isDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::optional<double> parseInputNumber(std::string_view text) {
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
            return std::nullopt;
        }
    }
    if (text.empty() || text.size() > kMaxNumberLength) {
        return std::nullopt;
    }
    std::array<char, kMaxNumberLength> buffer;
    std::size_t commas = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        buffer[i] = text[i] == ',' ? (++commas, '.') : text[i];
    }
    if (commas > 1) {
        return std::nullopt;
    }
    double value = 0.0;
    const char* end = buffer.data() + text.size();
    const auto [next, ec] = std::from_chars(buffer.data(), end, value, std::chars_format::general);
    if (ec != std::errc() || next != end || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

bool looksLikeOption(std::string_view arg) {
    if (arg.size() < 2 || arg.front() != '-') {
        return false;
    }
    const bool number = isDigit(arg[1]) || ((arg[1] == '.' || arg[1] == ',') && arg.size() > 2 && isDigit(arg[2]));
    return !number;
}

}  // namespace zorv::cli
