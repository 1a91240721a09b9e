#pragma once

#include <filesystem>
#include <optional>
#include <span>
#include <stop_token>
#include <string>
#include <vector>

#include "ftransform/command/ProgressReporter.h"
#include "rulebase/RuleRow.h"
#include "rulebase/learning/LearnedRule.h"
#include "rulebase/learning/LearningMode.h"
#include "rulebase/learning/LearningOutcome.h"

namespace zorv {

class CRuleBase;
class LearningRows;

// Learns rules from data rows: every readable row becomes one rule whose cells describe the row's values
// (ValueDescriber), appended after the rules carried over from the rules grid.
//
// A run:
//   1. (pentatomy) replaces every variable's user terms by the pentatomy terms (PentatomyTerms);
//   2. carries over the grid rows that have no empty cell, as they stand;
//   3. appends a rule for every data row whose values can all be read and described (each value clamped
//      into its own variable's context and described in that variable's vocabulary);
//   4. writes the whole list to the ".rules" file, the record of what was learned (a failure to write it
//      changes nothing else);
//   5. leaves out, and reports, every rule with a cell that does not compile with the vocabularies as they
//      now are, so that the rule base never holds a rule it cannot compile;
//   6. replaces the rule base's rules by the rest of the list.
// Approx learning is refused when an input variable has linear settings or no user terms; pentatomy when
// the rule base is not linguistic or a variable's vocabulary is not linguistic; both when there is no
// input or no output variable. A refused run changes nothing. A stop request, heeded between two data rows,
// ends the run before step 4: nothing is written or installed (the pentatomy terms of step 1 are in place
// by then, so a caller that must leave the rule base as it was runs the learning on a copy).
class RuleLearning {
public:
    using Progress = ProgressReporter::Callback;

    // A rule learned from a data row (0-based).
    struct RowRule {
        int row = 0;
        LearnedRule rule;
    };

    RuleLearning(CRuleBase& unit, LearningMode mode) : unit_(unit), mode_(mode) {}

    // Why the run cannot start, or none.
    std::optional<std::string> refusal() const;

    // gridRows: the rules grid, top to bottom; data: one value per variable a row; rulesFile: where the
    // rule list is written (RulesFile::pathFor; nothing is written for an empty path). Progress counts the
    // data rows.
    LearningOutcome run(std::span<const RuleRow> gridRows, const LearningRows& data,
                        const std::filesystem::path& rulesFile, const Progress& progress = {},
                        std::stop_token stop = {}) const;

    // The steps of run() one by one, for data learned in parts (each row's rule depends on that row alone,
    // so parts learned apart and put together in row order give what one run gives):
    //   prepare();  learnRow() for every row of every part;  finish() with the rules in row order.
    // prepare() returns the refusal, or applies step 1 and returns none.
    std::optional<std::string> prepare() const;
    // The rule of one data row, or none when the row cannot be read or a value cannot be described. values
    // is scratch space.
    std::optional<LearnedRule> learnRow(const LearningRows& data, int row, std::vector<double>& values) const;
    // Steps 2 and 4 to 6 with the rules learned from data rows.
    LearningOutcome finish(std::span<const RuleRow> gridRows, std::vector<RowRule> learned,
                           const std::filesystem::path& rulesFile) const;

private:
    // Where a rule of the list comes from: a grid row or a data row (0-based).
    struct Origin {
        bool learned = false;
        int row = 0;
    };

    std::optional<std::string> approxRefusal() const;
    std::optional<std::string> pentatomyRefusal() const;
    // The rules learned from the data rows; none when stopped.
    std::optional<std::vector<RowRule>> learn(const LearningRows& data, const Progress& progress,
                                              const std::stop_token& stop) const;
    int dropFaulty(std::vector<LearnedRule>& rules, const std::vector<Origin>& origins,
                   std::vector<std::string>& dropped) const;
    void install(std::vector<LearnedRule> rules) const;

    CRuleBase& unit_;
    LearningMode mode_;
};

}  // namespace zorv
