#pragma once

#include <memory>
#include <vector>

#include "cli/Command.h"

namespace zorv::cli {

// Every subcommand of zorv, in the order the overview lists them. New subcommands are added here.
std::vector<std::unique_ptr<Command>> allCommands();

}  // namespace zorv::cli
