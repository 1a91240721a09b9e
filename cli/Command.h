#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace zorv::cli {

// One subcommand of zorv ("zorv expr ..."). args are the arguments after the subcommand's name;
// the result is the process exit status (see ExitCode.h).
class Command {
public:
    virtual ~Command() = default;

    virtual std::string_view name() const = 0;
    // One line for the overview of "zorv --help".
    virtual std::string_view summary() const = 0;
    // The full text of "zorv <name> --help".
    virtual std::string_view help() const = 0;

    virtual int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) = 0;
};

}  // namespace zorv::cli
