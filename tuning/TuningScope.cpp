#include "tuning/TuningScope.h"

namespace zorv {

namespace {

// The flag a word of the list names; null for an unknown word.
bool* FlagOf(TuningScope& scope, std::string_view word) {
    if (word == "contexts") return &scope.contexts;
    if (word == "lingparams") return &scope.lingParams;
    if (word == "userterms") return &scope.userTerms;
    return nullptr;
}

}  // namespace

std::string TuningScope::Text() const {
    std::string text;
    const auto add = [&text](bool on, std::string_view word) {
        if (!on) return;
        if (!text.empty()) text += ',';
        text += word;
    };
    add(contexts, "contexts");
    add(lingParams, "lingparams");
    add(userTerms, "userterms");
    return text;
}

std::optional<TuningScope> TuningScope::Parse(std::string_view text, std::string& problem) {
    TuningScope scope{false, false, false};
    std::size_t from = 0;
    for (;;) {
        const std::size_t comma = text.find(',', from);
        const std::string_view word = text.substr(from, comma == std::string_view::npos ? comma : comma - from);
        bool* flag = FlagOf(scope, word);
        if (flag == nullptr || *flag) {
            problem = (flag == nullptr ? "unknown part '" : "part given twice: '") + std::string(word) +
                      "' (choose from contexts, lingparams, userterms)";
            return std::nullopt;
        }
        *flag = true;
        if (comma == std::string_view::npos) return scope;
        from = comma + 1;
    }
}

}  // namespace zorv
