#include "cli/InputFile.h"

#include <filesystem>
#include <fstream>

#include "cli/CliError.h"

namespace zorv::cli {

void requireReadableFile(const std::string& path) {
    if (path.empty()) {
        throw CliError::io("cannot open '': the file name is empty");
    }
    std::error_code error;
    if (!std::filesystem::exists(path, error)) {
        throw CliError::io("cannot open " + path + ": no such file");
    }
    if (std::filesystem::is_directory(path, error)) {
        throw CliError::io("cannot open " + path + ": it is a directory");
    }
    if (!std::ifstream(path, std::ios::binary)) {
        throw CliError::io("cannot open " + path + ": permission denied or unreadable");
    }
}

}  // namespace zorv::cli
