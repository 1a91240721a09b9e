#include "rulebase/RuleBaseErrorPlace.h"

#include <algorithm>

#include "io/TextInput.h"

namespace zorv {

std::optional<RuleBaseErrorPlace> RuleBaseErrorPlace::of(const ESyntax& error, std::string_view file) {
    if (!error.text()) return std::nullopt;
    const std::string normalised = TextInput::Normalised(file);
    const std::string_view text = normalised;
    const std::string_view rest = *error.text();
    if (!text.ends_with(rest)) return std::nullopt;
    const std::size_t offset = text.size() - rest.size() + static_cast<std::size_t>(std::max(error.position(), 0));
    if (offset == 0) return std::nullopt;
    const std::string_view before = text.substr(0, offset);
    const std::size_t lastBreak = before.rfind('\n');
    const std::size_t start = lastBreak == std::string_view::npos ? 0 : lastBreak + 1;
    const std::size_t end = std::min(text.find('\n', offset), text.size());
    return RuleBaseErrorPlace{std::string(text.substr(start, end - start)),
                              1 + static_cast<std::size_t>(std::count(before.begin(), before.end(), '\n')),
                              offset - start};
}

}  // namespace zorv
