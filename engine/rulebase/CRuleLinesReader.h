#pragma once

#include <cstddef>
#include <functional>
#include <span>
#include <string_view>

namespace zorv {

// Reads the rule lines of a rule base file: "#" first for a disabled rule, then each antecedent's expression
// in double quotes, "|", and each succedent's. Lines starting with ";" are comments, handed over with the rule
// that follows them; "END_RULES" ends the rules. Throws ESyntax ("error in rules") for a missing quote or bar.
class CRuleLinesReader {
public:
    // comment: the comment lines before the rule, joined by line feeds (empty when there are none).
    using RuleSink =
        std::function<void(bool enabled, std::span<const std::string_view> texts, std::string comment)>;

    // The section [begin, end) of text: end is where "END_RULES" stands, or the end of the text.
    CRuleLinesReader(std::string_view text, std::size_t begin, std::size_t end);

    // Whether the section holds no rule (only blanks and comment lines).
    bool Empty() const;

    // Reads at most limit rules, handing each to sink (texts: the antecedents' expressions, then the
    // succedents'); returns the number read. trailing receives the comment lines after the last rule read
    // when nothing but "END_RULES" follows them.
    long long Read(long long limit, int antecedents, int succedents, const RuleSink& sink,
                   std::string* trailing = nullptr) const;

private:
    // Steps over comment lines (and the blanks after each); comment, when given, collects them.
    std::size_t SkipComments(std::size_t pos, std::string* comment = nullptr) const;
    bool AtEnd(std::size_t pos) const;
    std::string_view Expression(std::size_t& pos) const;

    std::string_view text_;
    std::size_t begin_;
    std::size_t end_;
};

}  // namespace zorv
