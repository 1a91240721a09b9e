#include "api/SyntaxErrors.h"

#include "io/TextInput.h"
#include "rulebase/RuleBaseErrorPlace.h"

namespace zorv {

SyntaxError SyntaxErrors::ofExpression(const ESyntax& error, std::string_view text) {
    const std::string read = error.text() ? *error.text() : std::string(text);
    std::optional<std::size_t> position;
    if (error.text() && error.position() >= 0) position = static_cast<std::size_t>(error.position());
    return SyntaxError(error.message(), read, position);
}

// The line at fault with the offset and the line number; a context that is not the file's is reported as the
// expression it is, and a fault at the very start of the file as one of the whole file.
SyntaxError SyntaxErrors::ofRuleBase(const ESyntax& error, std::string_view text) {
    if (const auto place = RuleBaseErrorPlace::of(error, text)) {
        return SyntaxError(error.message(), place->line, place->offset, place->number);
    }
    if (error.text() && !std::string_view(TextInput::Normalised(text)).ends_with(*error.text())) {
        return ofExpression(error, *error.text());
    }
    return SyntaxError(error.message(), std::string(), std::nullopt);
}

}  // namespace zorv
