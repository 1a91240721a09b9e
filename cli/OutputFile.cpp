#include "cli/OutputFile.h"

#include <filesystem>

#include "cli/ArgumentCursor.h"
#include "cli/CliError.h"
#include "cli/CommandFiles.h"

namespace zorv::cli {

bool OutputFile::readOption(const std::string& option, ArgumentCursor& cursor) {
    if (option == "-o" || option == "--output") {
        path = cursor.value(option);
    } else if (option == "--force") {
        force = true;
    } else {
        return false;
    }
    return true;
}

void OutputFile::refuse(const std::string& file, const std::vector<std::string>& inputs) const {
    std::error_code error;
    if (!force && std::filesystem::exists(file, error)) {
        throw CliError::usage(file + " exists; use --force to replace it");
    }
    refuseInputAsOutput(file, inputs, "-o " + path + " would replace an input file; nothing was written");
}

}  // namespace zorv::cli
