#include "interchange/TextLines.h"

#include <cmath>

#include "text/NumberText.h"

namespace zorv {

std::vector<TextLines::Line> TextLines::Split(std::string_view text) {
    std::vector<Line> lines;
    int number = 1;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c != '\n' && c != '\r') continue;
        lines.push_back({number++, std::string(text.substr(start, i - start))});
        if (i + 1 < text.size() && text[i + 1] != c && (text[i + 1] == '\n' || text[i + 1] == '\r')) ++i;
        start = i + 1;
    }
    if (start < text.size()) lines.push_back({number, std::string(text.substr(start))});
    return lines;
}

std::string_view TextLines::Trim(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\f' || c == '\v'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

std::vector<std::string> TextLines::Words(std::string_view text) {
    std::vector<std::string> words;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
        const std::size_t start = i;
        while (i < text.size() && text[i] != ' ' && text[i] != '\t') ++i;
        if (i > start) words.emplace_back(text.substr(start, i - start));
    }
    return words;
}

std::optional<double> TextLines::Number(std::string_view text) {
    text = Trim(text);
    const auto scanned = NumberText::scanFile(text);
    if (!scanned || scanned->length != text.size() || !std::isfinite(scanned->value)) return std::nullopt;
    return scanned->value;
}

std::optional<std::vector<double>> TextLines::Numbers(std::string_view text) {
    std::vector<double> numbers;
    for (const std::string& word : Words(text)) {
        const auto value = Number(word);
        if (!value) return std::nullopt;
        numbers.push_back(*value);
    }
    return numbers;
}

std::string TextLines::Lower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return lower;
}

bool TextLines::SameIgnoringCase(std::string_view a, std::string_view b) { return Lower(a) == Lower(b); }

}  // namespace zorv
