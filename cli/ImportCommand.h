#pragma once

#include "cli/Command.h"

namespace zorv::cli {

// "zorv import": reads a FIS, FCL or FLL file of another fuzzy tool and writes it as a rule base.
class ImportCommand : public Command {
public:
    std::string_view name() const override { return "import"; }
    std::string_view summary() const override;
    std::string_view help() const override;

    int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) override;
};

}  // namespace zorv::cli
