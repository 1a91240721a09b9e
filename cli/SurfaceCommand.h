#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "cli/Command.h"

namespace zorv::cli {

// "zorv surface": the rule base's output over a grid of two inputs, as CSV (x1, x2, y), the same points
// the workbench's surface window draws.
class SurfaceCommand : public Command {
public:
    std::string_view name() const override { return "surface"; }
    std::string_view summary() const override;
    std::string_view help() const override;

    int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) override;

private:
    struct Arguments {
        bool help = false;
        std::string file;
        std::vector<std::string> variables;  // two names or positions
        std::int64_t steps = 10;
        std::int64_t smoothSteps = 25;
        std::vector<std::string> at;
    };
    static Arguments parse(const std::vector<std::string>& args);
};

}  // namespace zorv::cli
