#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/core/data/DataTable.h"
#include "app/core/evaluation/JobControl.h"
#include "app/core/workbench/Prompter.h"
#include "rulebase/RuleRow.h"
#include "rulebase/learning/LearningMode.h"
#include "rulebase/learning/LearningOutcome.h"

namespace zorv {

class CRuleBase;

// Rule learning from the data table as the workbench runs it: on a copy of the rule base, so that the run
// may go on a worker while the window stays usable, and a refused or cancelled run leaves the rule base as
// it was. The rules carried over are the rule base's as they are when the learning is made (the rules grid
// hands its rows to the rule base when it is left). When Run has learned, the caller puts Learned() in
// place of its rule base: the learned rules and, after pentatomy, the new user terms.
//
// A run that adds very many rules (a large table learned with "Approx learning" may add a rule per row) is
// applied only when the user agrees: Question() asks it, naming the number.
class DataTableLearning {
public:
    // More added rules than this are applied only after the question.
    static constexpr int kAskAbove = 10'000;

    // The ".rules" file goes beside the data file, or beside ruleBaseFile when the table has none.
    DataTableLearning(const CRuleBase& unit, const DataTable& table, LearningMode mode,
                      const std::filesystem::path& ruleBaseFile);
    ~DataTableLearning();

    std::optional<std::string> Refusal() const;
    // Reads the table and changes nothing of it. Also lists the learned rule base's rules, so that the
    // thread that applies them need not (LearnedRules()).
    LearningOutcome Run(const JobControl& control);
    std::unique_ptr<CRuleBase> TakeLearned() { return std::move(unit_); }
    std::vector<RuleRow> TakeLearnedRules() { return std::move(learnedRules_); }
    const std::filesystem::path& RulesFile() const { return rulesFile_; }

    // The message of a finished run: "N rules were added.", then the rules left out and a ".rules" file
    // that could not be written, if any.
    static std::string Report(const LearningOutcome& outcome);
    // Whether to apply a run that added more than kAskAbove rules; none for a smaller one.
    static std::optional<PromptMessage> Question(const LearningOutcome& outcome);

private:
    std::unique_ptr<CRuleBase> unit_;
    std::vector<RuleRow> gridRows_;
    std::vector<RuleRow> learnedRules_;
    const DataTable& table_;
    LearningMode mode_;
    std::filesystem::path rulesFile_;
};

}  // namespace zorv
