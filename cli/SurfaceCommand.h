#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "cli/Command.h"
#include "cli/GridOperands.h"

namespace zorv::cli {

// "zorv surface": the rule base's output over a grid of two inputs, as CSV (x1, x2, y), the same points
// the workbench's surface window draws.
class SurfaceCommand : public Command {
public:
    SurfaceCommand();

protected:
    int execute(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) override;

private:
    struct Arguments {
        GridOperands operands;  // the file and the values of --at
        std::vector<std::string> variables;  // two names or positions
        std::int64_t steps = 10;
        std::int64_t smoothSteps = 25;
    };
    static Arguments parse(const std::vector<std::string>& args);
};

}  // namespace zorv::cli
