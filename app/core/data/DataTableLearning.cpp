#include "app/core/data/DataTableLearning.h"

#include "app/core/data/DataTableRows.h"
#include "rulebase/CRuleBase.h"
#include "rulebase/learning/RuleLearning.h"
#include "rulebase/learning/RulesFile.h"

namespace zorv {

namespace {

// Rules left out that the message names one by one; the rest are counted.
constexpr std::size_t kDroppedShown = 10;

}  // namespace

DataTableLearning::DataTableLearning(const CRuleBase& unit, const DataTable& table, LearningMode mode,
                                     const std::filesystem::path& ruleBaseFile)
    : unit_(std::make_unique<CRuleBase>(unit)),
      gridRows_(unit.Rules()),
      table_(table),
      mode_(mode),
      rulesFile_(RulesFile::pathFor(table.DataFileName(), ruleBaseFile)) {}

DataTableLearning::~DataTableLearning() = default;

std::optional<std::string> DataTableLearning::Refusal() const { return RuleLearning(*unit_, mode_).refusal(); }

LearningOutcome DataTableLearning::Run(const JobControl& control) {
    const DataTableRows rows(table_);
    LearningOutcome outcome = RuleLearning(*unit_, mode_).run(gridRows_, rows, rulesFile_, control.progress, control.stop);
    if (!outcome.refusal && !outcome.cancelled) learnedRules_ = unit_->Rules();
    return outcome;
}

std::optional<PromptMessage> DataTableLearning::Question(const LearningOutcome& outcome) {
    if (outcome.refusal || outcome.cancelled || outcome.added <= kAskAbove) return std::nullopt;
    std::string count = std::to_string(outcome.added);
    for (auto at = static_cast<std::ptrdiff_t>(count.size()) - 3; at > 0; at -= 3) count.insert(static_cast<std::size_t>(at), 1, ',');
    return PromptMessage{"Learning adds " + count + " rules to the rule base. Apply them?", "Confirmation",
                         PromptIcon::question};
}

std::string DataTableLearning::Report(const LearningOutcome& outcome) {
    std::string text = outcome.message();
    for (std::size_t i = 0; i < outcome.dropped.size() && i < kDroppedShown; ++i) {
        text.append(1, '\n').append(outcome.dropped[i]);
    }
    if (outcome.dropped.size() > kDroppedShown) {
        text.append(1, '\n').append(std::to_string(outcome.dropped.size() - kDroppedShown));
        text.append(" more rules were left out.");
    }
    if (!outcome.refusal && outcome.rulesFileProblem) {
        text.append("\nThe rules could not be written: ").append(*outcome.rulesFileProblem).append(".");
    }
    return text;
}

}  // namespace zorv
