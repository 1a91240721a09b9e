#pragma once

#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/Command.h"

namespace zorv::cli {

// Picks the subcommand named by the first argument and runs it with the rest;
// answers "--help", "help", "help <command>" and "--version" itself.
class CommandDispatcher {
public:
    CommandDispatcher();
    explicit CommandDispatcher(std::vector<std::unique_ptr<Command>> commands);

    // args: the arguments after the program name.
    int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) const;

private:
    Command* find(std::string_view name) const;
    int help(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) const;
    void printOverview(std::ostream& out) const;

    std::vector<std::unique_ptr<Command>> commands_;
};

}  // namespace zorv::cli
