#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "cli/Command.h"

namespace zorv::cli {

// "zorv projection": the rule base's output along one input while the others keep their values, as CSV
// (x, y), the points of the test window's projection plot.
class ProjectionCommand : public Command {
public:
    std::string_view name() const override { return "projection"; }
    std::string_view summary() const override;
    std::string_view help() const override;

    int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) override;

private:
    struct Arguments {
        bool help = false;
        std::string file;
        std::string variable;
        std::int64_t steps = 25;
        bool filter = false;
        std::vector<std::string> at;
    };
    static Arguments parse(const std::vector<std::string>& args);
};

}  // namespace zorv::cli
