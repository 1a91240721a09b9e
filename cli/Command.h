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

    std::string_view name() const { return name_; }
    // One line for the overview of "zorv --help".
    std::string_view summary() const { return summary_; }
    // The full text of "zorv <name> --help".
    std::string_view help() const { return help_; }

    // args are the arguments after the subcommand's name; the result is the exit status (ExitCode.h).
    int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

    // Whether "-h" or "--help" stands among the arguments before a "--".
    static bool asksForHelp(const std::vector<std::string>& args);

protected:
    // The texts live as long as the program (string constants).
    Command(std::string_view name, std::string_view summary, std::string_view help)
        : name_(name), summary_(summary), help_(help) {}

    // The command's own work; errors are thrown (CliError, ESyntax, EWrite, ...), not printed.
    virtual int execute(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) = 0;

private:
    int report(std::ostream& err, int code, const std::string& message, bool pointsToHelp) const;

    std::string_view name_;
    std::string_view summary_;
    std::string_view help_;
};

// A failed write to the output stream: the message printed for it (exit status kUsage).
inline constexpr std::string_view kOutputFailed = "cannot write to the standard output";

}  // namespace zorv::cli
