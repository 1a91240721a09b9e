#pragma once

#include <stdexcept>
#include <string>

#include "cli/ExitCode.h"

namespace zorv::cli {

// Thrown while a command reads its arguments; the command prints "error: <what>" and exits with code().
class CliError : public std::runtime_error {
public:
    CliError(ExitCode code, const std::string& message) : std::runtime_error(message), code_(code) {}

    ExitCode code() const { return code_; }

    static CliError usage(const std::string& message) { return CliError(kUsage, message); }
    static CliError badValue(const std::string& message) { return CliError(kBadInput, message); }

private:
    ExitCode code_;
};

}  // namespace zorv::cli
