#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace zorv::cli {

// One subcommand of zorv ("zorv expr ..."). run() does what every subcommand shares: it answers
// "--help", maps the errors a command raises to their messages and exit codes, and fails when the
// standard output could not be written. A subcommand reads its own options and does its work in
// execute().
class Command {
public:
    virtual ~Command() = default;

    virtual std::string_view name() const = 0;
    // One line for the overview of "zorv --help".
    virtual std::string_view summary() const = 0;
    // The full text of "zorv <name> --help".
    virtual std::string_view help() const = 0;

    // args are the arguments after the subcommand's name; the result is the exit status (ExitCode.h).
    int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

    // Whether "-h" or "--help" stands among the arguments before a "--".
    static bool asksForHelp(const std::vector<std::string>& args);

protected:
    // The command's own work; errors are thrown (CliError, ESyntax, EWrite, ...), not printed.
    virtual int execute(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) = 0;

private:
    int report(std::ostream& err, int code, const std::string& message, bool pointsToHelp) const;
};

// A failed write to the output stream: the message printed for it (exit status kUsage).
inline constexpr std::string_view kOutputFailed = "cannot write to the standard output";

}  // namespace zorv::cli
