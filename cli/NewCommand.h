#pragma once

#include "cli/Command.h"

namespace zorv::cli {

// "zorv new": writes a new rule base with the defaults of the "new rule base" command.
class NewCommand : public Command {
public:
    NewCommand();

protected:
    int execute(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) override;
};

}  // namespace zorv::cli
