#include "cli/CommandFiles.h"

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

void refuseInputAsOutput(const std::string& output, const std::vector<std::string>& inputs,
                         const std::string& message) {
    for (const std::string& input : inputs) {
        std::error_code error;
        if (std::filesystem::equivalent(output, input, error)) throw CliError::usage(message);
    }
}

}  // namespace zorv::cli
