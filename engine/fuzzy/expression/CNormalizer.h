#pragma once

#include <string>
#include <string_view>

namespace zorv {

class CBasicSettings;

// Rewrites a cell text with every abbreviation expanded ("ve sm and (ro bi)" -> "very small and (roughly
// big)"), reading it by recursive descent:
//   expression := primary { connective primary }
//   primary    := "(" expression ")" | "about" blank number | [sign] [hedge] atom
// Hedges are the eight built-in ones and the vocabulary's modifiers; atoms the four standard words and
// the user terms; connectives the vocabulary's (and, on a linguistic vocabulary, "land"/"lor" with their
// long forms). Words are separated by one blank in the result. Errors throw ESyntax with the text and
// the offset of the offending token; nesting deeper than kMaxDepth parentheses is refused.
class CNormalizer {
public:
    static constexpr int kMaxDepth = 256;

    explicit CNormalizer(const CBasicSettings& vocabulary) : vocabulary_(vocabulary) {}

    std::string run(std::string_view text) const;

private:
    const CBasicSettings& vocabulary_;
};

}  // namespace zorv
