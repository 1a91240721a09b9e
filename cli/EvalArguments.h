#pragma once

#include <optional>
#include <string>
#include <vector>

namespace zorv::cli {

class ArgumentCursor;

// The arguments of "zorv eval", as read from the command line.
struct EvalArguments {
    bool help = false;
    std::string file;
    std::vector<std::string> inputs;  // the input values as written
    std::optional<std::string> infer;
    std::optional<std::string> defuzz;
    std::optional<std::string> batch;  // a file of input rows, "-" for the standard input
    bool fired = false;
    bool conclusion = false;
    bool filter = false;  // evaluate through the F-transform filter
    int jobs = 0;         // threads for --batch; 0: every core

    // Reads the arguments; a line that cannot be understood throws a usage CliError.
    static EvalArguments parse(const std::vector<std::string>& args);

private:
    void readOption(const std::string& option, ArgumentCursor& cursor);
    void check() const;
};

}  // namespace zorv::cli
