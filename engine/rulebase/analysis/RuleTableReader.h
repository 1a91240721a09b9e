#pragma once

#include <string>
#include <unordered_map>

#include "rulebase/analysis/RuleTable.h"

namespace zorv {

class CRuleBase;
class CSettings;

// Takes the snapshot the rule analysis works on: every rule text of a rule base described in the
// vocabulary of its variable. Each distinct text of a variable is parsed once.
// The cells of a linear vocabulary (Takagi-Sugeno consequents such as "2.5 + x1") parse when they are
// correct linear forms over the unit's inputs, and then compare by exact text.
class RuleTableReader {
public:
    static RuleTable read(const CRuleBase& unit);

private:
    // Describes the texts of one variable, remembering the texts already seen.
    class VariableCells {
    public:
        VariableCells(const CSettings& vocabulary, int inputCount) : vocabulary_(vocabulary), inputs_(inputCount) {}
        AnalysisCell describe(const std::string& text);

    private:
        AnalysisCell describeNew(const std::string& text) const;

        const CSettings& vocabulary_;
        int inputs_;
        std::unordered_map<std::string, AnalysisCell> seen_;
    };
};

}  // namespace zorv
