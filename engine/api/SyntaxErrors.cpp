#include "api/SyntaxErrors.h"

#include <algorithm>

namespace zorv {

namespace {

bool isLineBreak(char c) { return c == '\n' || c == '\r'; }

// Start of the line holding offset, and its number from 1; "\r\n" counts as one break.
std::size_t lineStart(std::string_view text, std::size_t offset, std::size_t& number) {
    number = 1;
    std::size_t start = 0;
    for (std::size_t i = 0; i < offset; ++i) {
        if (!isLineBreak(text[i])) continue;
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        ++number;
        start = i + 1;
    }
    return std::min(start, offset);
}

}  // namespace

SyntaxError SyntaxErrors::ofExpression(const ESyntax& error, std::string_view text) {
    const std::string read = error.text() ? *error.text() : std::string(text);
    std::optional<std::size_t> position;
    if (error.text() && error.position() >= 0) position = static_cast<std::size_t>(error.position());
    return SyntaxError(error.message(), read, position);
}

SyntaxError SyntaxErrors::ofRuleBase(const ESyntax& error, std::string_view file) {
    if (!error.text()) return SyntaxError(error.message(), std::string(), std::nullopt);
    const std::string_view rest = *error.text();
    if (!file.ends_with(rest)) return ofExpression(error, rest);
    const std::size_t offset = file.size() - rest.size();
    if (offset == 0) return SyntaxError(error.message(), std::string(), std::nullopt);
    std::size_t number = 0;
    const std::size_t start = lineStart(file, offset, number);
    const std::size_t end = std::find_if(file.begin() + static_cast<std::ptrdiff_t>(offset), file.end(), isLineBreak) -
                            file.begin();
    return SyntaxError(error.message(), std::string(file.substr(start, end - start)), offset - start, number);
}

}  // namespace zorv
