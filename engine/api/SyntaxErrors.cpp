#include "api/SyntaxErrors.h"

#include <algorithm>

#include "io/TextInput.h"

namespace zorv {

namespace {

// Start of the line holding offset, and its number from 1.
std::size_t lineStart(std::string_view text, std::size_t offset, std::size_t& number) {
    const std::string_view before = text.substr(0, offset);
    number = 1 + static_cast<std::size_t>(std::count(before.begin(), before.end(), '\n'));
    const std::size_t lastBreak = before.rfind('\n');
    return lastBreak == std::string_view::npos ? 0 : lastBreak + 1;
}

}  // namespace

SyntaxError SyntaxErrors::ofExpression(const ESyntax& error, std::string_view text) {
    const std::string read = error.text() ? *error.text() : std::string(text);
    std::optional<std::size_t> position;
    if (error.text() && error.position() >= 0) position = static_cast<std::size_t>(error.position());
    return SyntaxError(error.message(), read, position);
}

// The reader's context is the rest of the file (as it reads it: line breaks made line feeds) from the fault
// on, or from the expression holding it with the offset of the fault in that expression.
SyntaxError SyntaxErrors::ofRuleBase(const ESyntax& error, std::string_view text) {
    if (!error.text()) return SyntaxError(error.message(), std::string(), std::nullopt);
    const std::string normalised = TextInput::Normalised(text);
    const std::string_view file = normalised;
    const std::string_view rest = *error.text();
    if (!file.ends_with(rest)) return ofExpression(error, rest);
    const std::size_t offset = file.size() - rest.size() + static_cast<std::size_t>(std::max(error.position(), 0));
    if (offset == 0) return SyntaxError(error.message(), std::string(), std::nullopt);
    std::size_t number = 0;
    const std::size_t start = lineStart(file, offset, number);
    const std::size_t end = std::min(file.find('\n', offset), file.size());
    return SyntaxError(error.message(), std::string(file.substr(start, end - start)), offset - start, number);
}

}  // namespace zorv
