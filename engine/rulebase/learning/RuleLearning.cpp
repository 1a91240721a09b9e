#include "rulebase/learning/RuleLearning.h"

#include <algorithm>

#include "fuzzy/vocabulary/CBasicSettings.h"
#include "fuzzy/vocabulary/CLinguisticSettings.h"
#include "rulebase/CRuleBase.h"
#include "rulebase/analysis/CRuleList.h"
#include "rulebase/learning/LearningRows.h"
#include "rulebase/learning/PentatomyTerms.h"
#include "rulebase/learning/RuleTextCheck.h"
#include "rulebase/learning/RulesFile.h"
#include "rulebase/learning/ValueDescriber.h"

namespace zorv {

namespace {

// The signed index of the variable of a rule column: inputs first, then outputs.
int variableOf(const CRuleBase& unit, std::size_t column) {
    const auto inputs = static_cast<std::size_t>(unit.AntecedentCount());
    return column < inputs ? static_cast<int>(column) : ~static_cast<int>(column - inputs);
}

std::size_t columnCount(const CRuleBase& unit) {
    return static_cast<std::size_t>(unit.AntecedentCount() + unit.SuccedentCount());
}

}  // namespace

std::optional<std::string> RuleLearning::refusal() const {
    if (unit_.AntecedentCount() == 0) return std::string(LearningMessages::kNoInput);
    if (unit_.SuccedentCount() == 0) return std::string(LearningMessages::kNoOutput);
    return mode_ == LearningMode::approx ? approxRefusal() : pentatomyRefusal();
}

// Only the inputs are checked: an output without user terms makes every row fail instead.
std::optional<std::string> RuleLearning::approxRefusal() const {
    for (int k = 0; k < unit_.AntecedentCount(); ++k) {
        const CSettings& settings = unit_.Settings(k);
        if (settings.isLinear() != 0) return std::string(LearningMessages::kLinearSettings);
        const auto* vocabulary = dynamic_cast<const CBasicSettings*>(&settings);
        if (vocabulary == nullptr || vocabulary->userTermCount() == 0) {
            return LearningMessages::noUserTerms(unit_.VariableName(k));
        }
    }
    return std::nullopt;
}

std::optional<std::string> RuleLearning::pentatomyRefusal() const {
    if (unit_.descriptionType() != DescriptionType::linguistic) {
        return std::string(LearningMessages::kPentatomyNeedsLinguistic);
    }
    for (std::size_t column = 0; column < columnCount(unit_); ++column) {
        const int v = variableOf(unit_, column);
        if (dynamic_cast<const CLinguisticSettings*>(&unit_.Settings(v)) == nullptr) {
            return LearningMessages::notLinguistic(unit_.VariableName(v));
        }
    }
    return std::nullopt;
}

std::optional<std::string> RuleLearning::prepare() const {
    auto refused = refusal();
    if (!refused && mode_ == LearningMode::pentatomy) PentatomyTerms::apply(unit_);
    return refused;
}

LearningOutcome RuleLearning::run(std::span<const RuleRow> gridRows, const LearningRows& data,
                                  const std::filesystem::path& rulesFile, const Progress& progress,
                                  std::stop_token stop) const {
    LearningOutcome outcome;
    outcome.refusal = prepare();
    if (outcome.refusal) return outcome;
    std::optional<std::vector<RowRule>> learned = learn(data, progress, stop);
    if (!learned) {
        outcome.cancelled = true;
        return outcome;
    }
    return finish(gridRows, std::move(*learned), rulesFile);
}

// The grid rows that have no empty cell come first, as they stand.
LearningOutcome RuleLearning::finish(std::span<const RuleRow> gridRows, std::vector<RowRule> learned,
                                     const std::filesystem::path& rulesFile) const {
    std::vector<LearnedRule> rules;
    std::vector<Origin> origins;
    for (std::size_t i = 0; i < gridRows.size(); ++i) {
        const RuleRow& row = gridRows[i];
        if (row.texts.size() != columnCount(unit_) || CRuleList::hasEmptyCell(row)) continue;
        rules.push_back(LearnedRule{row.texts, row.enabled, 1});
        origins.push_back(Origin{false, static_cast<int>(i)});
    }
    for (RowRule& item : learned) {
        rules.push_back(std::move(item.rule));
        origins.push_back(Origin{true, item.row});
    }
    // The .rules file records everything learned; only the rule base leaves out what it cannot compile.
    LearningOutcome outcome;
    if (!rulesFile.empty()) {
        outcome.rulesFile = rulesFile;
        outcome.rulesFileProblem = RulesFile::write(rulesFile, rules);
    }
    outcome.added = static_cast<int>(learned.size()) - dropFaulty(rules, origins, outcome.dropped);
    install(std::move(rules));
    return outcome;
}

std::optional<std::vector<RuleLearning::RowRule>> RuleLearning::learn(const LearningRows& data,
                                                                       const Progress& progress,
                                                                       const std::stop_token& stop) const {
    const int rows = data.rowCount();
    ProgressReporter reporter(progress, rows);
    std::vector<RowRule> learned;
    learned.reserve(static_cast<std::size_t>(rows));
    std::vector<double> values(columnCount(unit_));
    for (int row = 0; row < rows; ++row) {
        if (stop.stop_requested()) return std::nullopt;
        if (auto rule = learnRow(data, row, values)) learned.push_back(RowRule{row, std::move(*rule)});
        reporter.advance(row + 1);
    }
    return learned;
}

std::optional<LearnedRule> RuleLearning::learnRow(const LearningRows& data, int row,
                                                  std::vector<double>& values) const {
    if (!data.readRow(row, values)) return std::nullopt;
    const ValueDescriber describer(mode_);
    LearnedRule rule;
    rule.texts.reserve(values.size());
    for (std::size_t column = 0; column < values.size(); ++column) {
        const int v = variableOf(unit_, column);
        const double x = std::max(unit_.ContextLow(v), std::min(values[column], unit_.ContextHigh(v)));
        auto text = describer.describe(unit_.Settings(v), x);
        if (!text) return std::nullopt;
        rule.texts.push_back(std::move(*text));
    }
    return rule;
}

// Returns how many of the rules learned from data were left out.
int RuleLearning::dropFaulty(std::vector<LearnedRule>& rules, const std::vector<Origin>& origins,
                             std::vector<std::string>& dropped) const {
    RuleTextCheck check(unit_);
    std::vector<LearnedRule> kept;
    kept.reserve(rules.size());
    int learnedDropped = 0;
    for (std::size_t i = 0; i < rules.size(); ++i) {
        const auto fault = check.fault(rules[i].texts);
        if (!fault) {
            kept.push_back(std::move(rules[i]));
            continue;
        }
        const Origin& origin = origins[i];
        learnedDropped += origin.learned ? 1 : 0;
        dropped.push_back((origin.learned ? "The rule of data row " : "Rule ") + std::to_string(origin.row + 1) +
                          " was left out: " + *fault);
    }
    rules = std::move(kept);
    return learnedDropped;
}

void RuleLearning::install(std::vector<LearnedRule> rules) const {
    std::vector<RuleRow> rows;
    rows.reserve(rules.size());
    for (LearnedRule& rule : rules) rows.push_back(RuleRow{rule.active, std::move(rule.texts)});
    unit_.SetRules(rows);
}

}  // namespace zorv
