#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zorv {

// What a tuning may move: each vocabulary's context bounds, the four shape parameters of a linguistic
// vocabulary (its lingparams) and the parameters of the user terms.
struct TuningScope {
    bool contexts = true;
    bool lingParams = false;
    bool userTerms = false;

    bool Empty() const { return !contexts && !lingParams && !userTerms; }
    // The scope as the option writes it: "contexts,lingparams,userterms" (the parts that are on).
    std::string Text() const;

    // A comma-separated list of "contexts", "lingparams" and "userterms" (at least one, each at most once);
    // none, with the reason in problem, for anything else.
    static std::optional<TuningScope> Parse(std::string_view text, std::string& problem);
};

}  // namespace zorv
