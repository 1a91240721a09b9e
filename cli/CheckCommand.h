#pragma once

#include "cli/Command.h"

namespace zorv::cli {

// "zorv check": reads and compiles a rule base file and prints its summary, or the syntax error that
// stops it.
class CheckCommand : public Command {
public:
    CheckCommand();

protected:
    int execute(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) override;
};

}  // namespace zorv::cli
