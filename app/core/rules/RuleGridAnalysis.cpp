#include "app/core/rules/RuleGridAnalysis.h"

#include "fuzzy/expression/ExpressionText.h"
#include "fuzzy/linear/CLinCSettings.h"
#include "rulebase/CRuleBase.h"
#include "rulebase/SettingsCopy.h"
#include "rulebase/analysis/RuleAnalysis.h"

namespace zorv {

RuleGridAnalysis::Job RuleGridAnalysis::prepare(const RulesGrid& grid) {
    Job job;
    job.content_ = grid.content();
    const RuleGridColumns& columns = grid.columns();
    job.inputCount_ = columns.inputCount();
    for (int c = 1; c <= columns.lastExpression(); ++c) {
        job.vocabularies_.push_back(CopySettings(grid.unit().Settings(columns.variableOf(c))));
    }
    return job;
}

// Each text of the snapshot is described once per column by its number, each text of a row of the grid's
// own once by the text itself.
RuleTable RuleGridAnalysis::Job::table() const {
    const auto width = static_cast<int>(vocabularies_.size());
    const RuleSnapshot& snapshot = content_.snapshot();
    std::vector<std::vector<std::optional<AnalysisCell>>> byId(static_cast<std::size_t>(width));
    std::vector<Described> byText(static_cast<std::size_t>(width));
    for (auto& known : byId) known.resize(snapshot.texts().size());
    RuleTable table(inputCount_, width - inputCount_);
    for (int r = 0; r < content_.rowCount(); ++r) {
        const std::optional<int> rule = content_.rule(r);
        std::vector<AnalysisCell> cells;
        cells.reserve(static_cast<std::size_t>(width));
        for (int c = 0; c < width; ++c) {
            const CSettings& vocabulary = *vocabularies_[static_cast<std::size_t>(c)];
            const std::string& text = content_.text(r, c);
            if (rule) {
                auto& cell = byId[static_cast<std::size_t>(c)][static_cast<std::size_t>(snapshot.textId(*rule, c))];
                if (!cell) cell = describe(vocabulary, inputCount_, text);
                cells.push_back(*cell);
                continue;
            }
            Described& known = byText[static_cast<std::size_t>(c)];
            auto found = known.find(text);
            if (found == known.end()) found = known.emplace(text, describe(vocabulary, inputCount_, text)).first;
            cells.push_back(found->second);
        }
        table.addRule(content_.enabled(r), std::move(cells));
    }
    return table;
}

std::vector<RuleInfo> RuleGridAnalysis::compute(const RuleTable& table, const RulesInfoColumns& shown) {
    return RulesInfo::compute(RuleAnalysis(table), shown);
}

// A linear form parses when it is a correct form over the inputs; it then compares by its text.
AnalysisCell RuleGridAnalysis::describe(const CSettings& vocabulary, int inputCount, const std::string& text) {
    AnalysisCell cell{text, std::nullopt};
    if (const auto* linear = dynamic_cast<const CLinCSettings*>(&vocabulary)) {
        try {
            linear->parseLinear(text, inputCount);
            cell.term = CLingTerm{};
        } catch (const ESyntax&) {
        }
    } else if (CLingTerm term; describeExpression(vocabulary, text, term) == 1) {
        cell.term = term;
    }
    return cell;
}

}  // namespace zorv
