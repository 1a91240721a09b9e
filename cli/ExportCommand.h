#pragma once

#include "cli/Command.h"

namespace zorv::cli {

// "zorv export": writes a rule base as FIS, FCL or FLL for other fuzzy tools, or as stand-alone C.
class ExportCommand : public Command {
public:
    std::string_view name() const override { return "export"; }
    std::string_view summary() const override;
    std::string_view help() const override;

    int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) override;
};

}  // namespace zorv::cli
