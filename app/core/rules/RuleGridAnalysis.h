#pragma once

#include <string>
#include <unordered_map>
#include <vector>

#include "rulebase/analysis/RuleTable.h"
#include "rulebase/analysis/RulesInfo.h"

namespace zorv {

class CSettings;
class RulesGrid;

// The rule analysis behind the grid's four "Rules info" columns, in two steps so that the slow one can run
// away from the interface: snapshot() describes every row of the grid as shown (cheap: each distinct text of
// a variable is described once and remembered), and compute() analyses a snapshot (a value owning all it
// reads, so it may run on any thread). Every row takes part, so rule numbers in the texts are the grid's row
// labels; an empty or wrong cell does not parse and never makes two rules equal or comparable.
class RuleGridAnalysis {
public:
    // Forgets the texts described so far; needed when the variables or their vocabularies change.
    void reset() { described_.clear(); }

    RuleTable snapshot(const RulesGrid& grid);
    static std::vector<RuleInfo> compute(const RuleTable& table, const RulesInfoColumns& shown);

private:
    using Described = std::unordered_map<std::string, AnalysisCell>;
    static AnalysisCell describe(const CSettings& vocabulary, int inputCount, Described& seen, const std::string& text);

    // Per variable (inputs, then outputs): text -> described cell.
    std::vector<Described> described_;
};

}  // namespace zorv
