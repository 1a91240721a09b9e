#pragma once

#include <string>

namespace zorv::cli {

// Checks that a file named on the command line can be read before a command reads it: an empty name, a
// missing file, a directory or an unreadable file throws an I/O CliError "cannot open FILE: REASON".
void requireReadableFile(const std::string& path);

}  // namespace zorv::cli
