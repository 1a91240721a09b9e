#pragma once

#include <string>
#include <vector>

#include "cli/Command.h"

namespace zorv {
class CRuleBase;
}

namespace zorv::cli {

// "zorv analyse": the rule analysis of a rule base, one line per rule with its cells and the four texts of
// the rules grid's analysis columns.
class AnalyseCommand : public Command {
public:
    AnalyseCommand();

protected:
    int execute(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) override;

    // The report: a header line, then one line per rule.
    static std::string report(const CRuleBase& unit);
};

}  // namespace zorv::cli
