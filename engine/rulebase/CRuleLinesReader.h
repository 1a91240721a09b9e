#pragma once

#include <cstddef>
#include <functional>
#include <span>
#include <string_view>

namespace zorv {

// Reads the rule lines of a rule base file: "#" first for a disabled rule, then each antecedent's expression
// in double quotes, "|", and each succedent's. Lines starting with ";" are comments; "END_RULES" ends the
// rules. Throws ESyntax ("error in rules") for a missing quote or bar.
class CRuleLinesReader {
public:
    using RuleSink = std::function<void(bool enabled, std::span<const std::string_view> texts)>;

    // The section [begin, end) of text: end is where "END_RULES" stands, or the end of the text.
    CRuleLinesReader(std::string_view text, std::size_t begin, std::size_t end);

    // Whether the section holds no rule (only blanks and comment lines).
    bool Empty() const;

    // Reads at most limit rules, handing each to sink (texts: the antecedents' expressions, then the
    // succedents'); returns the number read.
    long long Read(long long limit, int antecedents, int succedents, const RuleSink& sink) const;

private:
    std::size_t SkipComments(std::size_t pos) const;
    bool AtEnd(std::size_t pos) const;
    std::string_view Expression(std::size_t& pos) const;

    std::string_view text_;
    std::size_t begin_;
    std::size_t end_;
};

}  // namespace zorv
