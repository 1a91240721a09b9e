#pragma once

#include <vector>

#include "interchange/ForeignSystem.h"
#include "interchange/ImportIssues.h"
#include "interchange/ImportedVariable.h"
#include "rulebase/RuleRow.h"

namespace zorv {

// Turns the rules of a foreign rule base into rows of cell texts: one cell per input (the names of its user
// terms, "not", "and", "or" and parentheses; "undef" where the rule sets no condition) and the cell of the
// first output (a user term of a Mamdani output, or the constant or linear text a Sugeno output term gives).
class RuleImport {
public:
    static constexpr std::size_t kMaxRules = 20000;

    // consequentTexts: the output cell for each term of the first output.
    RuleImport(const ForeignSystem& system, const std::vector<ImportedVariable>& inputs,
               std::vector<std::string> consequentTexts, ImportIssues& issues)
        : system_(system), inputs_(inputs), consequents_(std::move(consequentTexts)), issues_(issues) {}

    std::vector<RuleRow> Rows() const;

private:
    bool sugeno() const { return system_.type == ForeignSystem::Type::Sugeno; }
    std::optional<std::string> ConsequentText(const ForeignRule& rule) const;
    std::string Literal(const ForeignProposition& p, int line) const;
    std::string PartText(const ForeignExpression& e, int line, bool nested) const;
    void AddRows(const ForeignRule& rule, const std::string& consequent, std::vector<RuleRow>& rows) const;

    const ForeignSystem& system_;
    const std::vector<ImportedVariable>& inputs_;
    std::vector<std::string> consequents_;
    ImportIssues& issues_;
};

}  // namespace zorv
