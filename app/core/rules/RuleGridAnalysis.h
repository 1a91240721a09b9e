#pragma once

#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "app/core/rules/RulesGrid.h"
#include "rulebase/analysis/RuleTable.h"
#include "rulebase/analysis/RulesInfo.h"

namespace zorv {

class CSettings;

// The rule analysis behind the grid's four "Rules info" columns, in two steps so that all the work on rows
// runs away from the interface: prepare() takes the grid's content and copies of its variables'
// vocabularies (cheap: no work per row), and the job it gives owns all it reads, so that its table() and
// compute() may run on any thread. table() describes each distinct text of a column once. Every row takes
// part, so rule numbers in the texts are the grid's row labels; an empty or wrong cell does not parse and
// never makes two rules equal or comparable.
class RuleGridAnalysis {
public:
    class Job {
    public:
        RuleTable table() const;

    private:
        friend class RuleGridAnalysis;
        using Described = std::unordered_map<std::string, AnalysisCell>;

        RulesGrid::Content content_;
        std::vector<std::shared_ptr<const CSettings>> vocabularies_;  // per expression column
        int inputCount_ = 0;
    };

    static Job prepare(const RulesGrid& grid);
    // Both steps at once.
    static RuleTable snapshot(const RulesGrid& grid) { return prepare(grid).table(); }
    static std::vector<RuleInfo> compute(const RuleTable& table, const RulesInfoColumns& shown);

private:
    static AnalysisCell describe(const CSettings& vocabulary, int inputCount, const std::string& text);
};

}  // namespace zorv
