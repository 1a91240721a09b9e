#include "rulebase/CTextScan.h"

#include "fuzzy/expression/ESyntax.h"

namespace zorv {

CTextScan::Line CTextScan::LineAt(std::string_view text, std::size_t begin) {
    Line line;
    line.begin = begin;
    line.end = LineEnd(text, begin, text.size());
    line.content = SkipLineBlanks(text, begin, line.end);
    line.next = SkipLineBreak(text, line.end);
    return line;
}

std::size_t CTextScan::SkipLineBreak(std::string_view text, std::size_t pos) {
    if (pos >= text.size() || !IsLineBreak(text[pos])) return pos;
    const bool pair = pos + 1 < text.size() && IsLineBreak(text[pos + 1]) && text[pos + 1] != text[pos];
    return pos + (pair ? 2 : 1);
}

std::size_t CTextScan::SkipBlanks(std::string_view text, std::size_t pos, std::size_t end) {
    while (pos < end && IsBlank(text[pos])) ++pos;
    return pos;
}

std::size_t CTextScan::SkipLineBlanks(std::string_view text, std::size_t pos, std::size_t end) {
    while (pos < end && IsBlank(text[pos]) && !IsLineBreak(text[pos])) ++pos;
    return pos;
}

std::size_t CTextScan::LineEnd(std::string_view text, std::size_t pos, std::size_t end) {
    while (pos < end && !IsLineBreak(text[pos])) ++pos;
    return pos;
}

std::string_view CTextScan::Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

void CTextScan::Fail(std::string_view text, std::size_t pos, std::string message) {
    throw ESyntax(std::move(message), std::string(text.substr(pos < text.size() ? pos : text.size())), 0);
}

}  // namespace zorv
