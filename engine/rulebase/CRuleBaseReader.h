#pragma once

#include <cstddef>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "fuzzy/expression/ESyntax.h"
#include "rulebase/CRuleBaseLayout.h"
#include "rulebase/DescriptionType.h"

namespace zorv {

class CRuleBase;

// Builds a complete, compiled rule base from the text of a rule base file, or throws ESyntax with the
// message of the first fault and the text from the point of failure on (for an expression of a rule that
// does not read: the text from the expression on, and the offset of the fault in it). A byte-order mark at the start is
// skipped and line breaks of every kind are read as line feeds. A rule count that differs from the
// rules found is corrected, and reported as one line on the diagnostics stream.
class CRuleBaseReader {
public:
    CRuleBaseReader(std::string_view text, std::ostream& diagnostics);

    std::unique_ptr<CRuleBase> Read(std::string name) const;

    // The whole content of a file (ESyntax "cannot read file by open", "... by seek 1", "... by seek 2",
    // with the path as context; "file too large" beyond the size limit).
    static std::string ReadFile(const std::string& path);

private:
    std::size_t Require(std::string_view key) const;
    std::size_t LineEnd(std::size_t pos) const;
    std::string_view LineValue(std::size_t pos) const;  // from the first non-blank to the end of the line

    DescriptionType ReadType() const;
    void ReadDescription(CRuleBase& unit) const;
    void ReadVariables(CRuleBase& unit) const;
    void ReadMethods(CRuleBase& unit) const;
    void CheckVariableCounts(const CRuleBase& unit) const;
    // Reads the rules; cellAt receives, for every cell of the pool, where its text was first read.
    void ReadRules(CRuleBase& unit, std::vector<std::size_t>& cellAt) const;
    // An expression that did not compile is reported where it stands in the file.
    [[noreturn]] void FailInRule(std::size_t at, const ESyntax& error) const;

    std::string normalised_;  // the text without a byte-order mark, every line break a line feed
    std::string_view text_;
    std::ostream& diagnostics_;
    CRuleBaseLayout layout_;
};

}  // namespace zorv
