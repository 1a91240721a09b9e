#include "ftransform/partition/NumberText.h"

#include <array>
#include <charconv>

namespace zorv {

namespace {

// Room for the longest fixed text of a double with up to 18 decimals (about 330 characters).
using Buffer = std::array<char, 512>;

}  // namespace

std::string NumberText::general(double value) {
    Buffer buffer;
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::general, 6);
    return std::string(buffer.data(), result.ptr);
}

std::string NumberText::fixed(double value, int decimals) {
    Buffer buffer;
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::fixed, decimals);
    return std::string(buffer.data(), result.ptr);
}

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

}  // namespace zorv
