#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "cli/Command.h"
#include "cli/GridOperands.h"

namespace zorv::cli {

// "zorv projection": the rule base's output along one input while the others keep their values, as CSV
// (x, y), the points of the test window's projection plot.
class ProjectionCommand : public Command {
public:
    ProjectionCommand();

protected:
    int execute(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) override;

private:
    struct Arguments {
        GridOperands operands;  // the file and the values of --at
        std::string variable;
        std::int64_t steps = 25;
        bool filter = false;
    };
    static Arguments parse(const std::vector<std::string>& args);
};

}  // namespace zorv::cli
