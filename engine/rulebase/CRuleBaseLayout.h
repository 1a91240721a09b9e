#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

namespace zorv {

// The parts of a rule base file found by their lines: the comment block, the header keys, the variable
// blocks and the rules section. Markers and keys count only at the start of a line (after blanks) and only
// where they belong: nothing inside the comment block, a variable block or the rules section is taken for a
// header key or a block marker, so that names and descriptions may hold any of these words.
class CRuleBaseLayout {
public:
    static constexpr std::array<std::string_view, 7> kHeaderKeys = {
        "TypeOfDescription=",          "InfMethod=", "DefuzzMethod=", "UseFuzzyFilter=",
        "NumberOfAntecedentVariables=", "NumberOfSuccedentVariables=", "NumberOfRules="};

    // One "AntVariable<n>" ... "End_AntVariable<m>" (or "SucVariable") block.
    struct Block {
        std::size_t marker = 0;     // position of the opening marker
        long long number = 0;       // n
        std::size_t bodyBegin = 0;  // the lines between the markers
        std::size_t bodyEnd = 0;
        bool closed = false;
        long long closeNumber = 0;  // m
    };

    // [begin, end) of the text between "!COMMENT!" and "!END_COMMENT!".
    struct Span {
        std::size_t begin = 0;
        std::size_t end = 0;
    };

    explicit CRuleBaseLayout(std::string_view text);

    const std::optional<Span>& Comment() const { return comment_; }
    // Position right after the first occurrence of a header key (one of kHeaderKeys); none when absent.
    std::optional<std::size_t> HeaderValue(std::string_view key) const;
    const std::vector<Block>& AntecedentBlocks() const { return antecedents_; }
    const std::vector<Block>& SuccedentBlocks() const { return succedents_; }
    // The rules section: from the line after "RULES" to the "END_RULES" line (or the end of the text).
    const std::optional<Span>& Rules() const { return rules_; }
    bool RulesTerminated() const { return rulesTerminated_; }

private:
    std::size_t ReadComment(std::size_t content);
    std::size_t ReadBlock(std::size_t content, bool antecedent);
    std::size_t ReadRules(std::size_t next);
    void NoteHeaderKey(std::size_t content);

    std::string_view text_;
    std::optional<Span> comment_;
    std::array<std::optional<std::size_t>, kHeaderKeys.size()> header_;
    std::vector<Block> antecedents_;
    std::vector<Block> succedents_;
    std::optional<Span> rules_;
    bool rulesTerminated_ = false;
};

}  // namespace zorv
