#pragma once

#include <stdexcept>
#include <string>

#include "cli/ExitCode.h"

namespace zorv::cli {

// Thrown by a command that cannot go on; the command base prints "error: <what>" and exits with code().
// A usage error adds a pointer to the command's help.
class CliError : public std::runtime_error {
public:
    CliError(ExitCode code, const std::string& message, bool pointsToHelp = false)
        : std::runtime_error(message), code_(code), pointsToHelp_(pointsToHelp) {}

    ExitCode code() const { return code_; }
    bool pointsToHelp() const { return pointsToHelp_; }

    // The command line cannot be understood.
    static CliError usage(const std::string& message) { return CliError(kUsage, message, true); }
    // A file cannot be opened, read or written.
    static CliError io(const std::string& message) { return CliError(kUsage, message); }
    // The input was understood but is wrong.
    static CliError badValue(const std::string& message) { return CliError(kBadInput, message); }

private:
    ExitCode code_;
    bool pointsToHelp_;
};

}  // namespace zorv::cli
