#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cli/Command.h"

namespace zorv {
class CRuleBase;
}

namespace zorv::cli {

// "zorv clean": one of the rule commands Delete Duplicit, Delete Redundant and Merge Inconsistent on a rule
// base; reports how the rules changed and writes the result only to the file named by -o.
class CleanCommand : public Command {
public:
    enum class Operation { deleteDuplicit, deleteRedundant, mergeInconsistent };

    CleanCommand();

protected:
    int execute(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) override;

private:
    struct Arguments {
        std::string file;
        std::optional<Operation> operation;
        std::optional<std::string> output;
    };

    static Arguments parse(const std::vector<std::string>& args);
    static void setOperation(Arguments& arguments, Operation operation);
    // Applies the operation to the unit and returns the report line.
    static std::string apply(Operation operation, CRuleBase& unit, bool written, std::ostream& err);
};

}  // namespace zorv::cli
