#pragma once

#include <string>
#include <vector>

namespace zorv::cli {

// Checks that a file named on the command line can be read before a command reads it: an empty name, a
// missing file, a directory or an unreadable file throws an I/O CliError "cannot open FILE: REASON".
void requireReadableFile(const std::string& path);

// Refuses (a usage CliError with the message) an output that is the same file as one of the inputs,
// whatever name or link leads to it, so that no command destroys what it reads.
void refuseInputAsOutput(const std::string& output, const std::vector<std::string>& inputs,
                         const std::string& message);

}  // namespace zorv::cli
