#pragma once

namespace zorv::cli {

// Exit status of every zorv command.
enum ExitCode : int {
    kSuccess = 0,
    kBadInput = 1,  // the command was understood, but its input (a text, a value) is wrong
    kUsage = 2,     // the command line cannot be understood, or a file cannot be read or written
    // Ctrl+C stopped the command; main() then ends the process by SIGINT itself, which a shell reports as 130.
    kInterrupted = 130,
};

}  // namespace zorv::cli
