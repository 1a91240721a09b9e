#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cli/Command.h"
#include "rulebase/learning/LearningMode.h"

namespace zorv {
class CRuleBase;
class LearningRows;
class RuleLearning;
struct LearningOutcome;
}  // namespace zorv

namespace zorv::cli {

// "zorv learn": rule learning from a data file (Approx learning or pentatomy), as the data table's Learn
// commands do it: writes the ".rules" file beside the data file and, with -o, the learned rule base.
class LearnCommand : public Command {
public:
    LearnCommand();

protected:
    int execute(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) override;

private:
    struct Arguments {
        std::string ruleBase;
        std::string data;
        std::optional<LearningMode> mode;
        std::optional<std::string> output;
    };

    static Arguments parse(const std::vector<std::string>& args);
    static void setMode(Arguments& arguments, LearningMode mode);
    // Refuses outputs that would replace an input file (a usage CliError, before anything is written).
    static void refuseOverwritingInputs(const Arguments& arguments);
    // Runs the learning with a progress bar; the rules grid is the unit's rules.
    static LearningOutcome learn(const Arguments& arguments, const RuleLearning& learning, const LearningRows& rows,
                                 const CRuleBase& unit, std::ostream& err);
    static void reportDropped(const LearningOutcome& outcome, std::ostream& err);
};

}  // namespace zorv::cli
