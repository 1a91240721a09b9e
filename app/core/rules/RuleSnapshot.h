#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace zorv {

class CRuleBase;

// The rules of a rule base as they were at one moment, compact and immutable, so that the rules grid shows
// them without a row of its own per rule and other threads may read them: per rule its enabled flag and,
// per variable (inputs, then outputs), the number of its text among the rule base's distinct texts. Made
// from the rule base's own cell numbers, it costs a copy of some integers per rule, no text per rule.
class RuleSnapshot {
public:
    static std::shared_ptr<const RuleSnapshot> Of(const CRuleBase& unit);

    int ruleCount() const { return static_cast<int>(enabled_.size()); }
    int width() const { return width_; }
    bool enabled(int rule) const { return enabled_[static_cast<std::size_t>(rule)] != 0; }
    // The number of a rule's text for the variable at position column (0 .. width − 1).
    int textId(int rule, int column) const {
        return ids_[static_cast<std::size_t>(column)][static_cast<std::size_t>(rule)];
    }
    const std::string& text(int rule, int column) const { return texts_[static_cast<std::size_t>(textId(rule, column))]; }
    const std::vector<std::string>& texts() const { return texts_; }
    // The comment lines before a rule; empty for most.
    const std::string& comment(int rule) const;
    // Whether some rule has an empty text (a rule base read from a file has none).
    bool anyEmptyText() const { return anyEmpty_; }

private:
    std::vector<std::string> texts_;
    std::vector<std::vector<int>> ids_;  // per variable, per rule
    std::vector<std::uint8_t> enabled_;
    std::vector<std::pair<int, std::string>> comments_;  // by rule, ascending
    int width_ = 0;
    bool anyEmpty_ = false;
};

}  // namespace zorv
