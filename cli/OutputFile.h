#pragma once

#include <string>
#include <vector>

namespace zorv::cli {

class ArgumentCursor;

// The file a command writes ("-o OUT") and whether it may replace one that exists ("--force").
struct OutputFile {
    std::string path;
    bool force = false;

    // Reads "-o", "--output" or "--force"; false for any other option.
    bool readOption(const std::string& option, ArgumentCursor& cursor);

    // Refuses, before anything is written, to write `file` (this output or one written beside it) over an
    // existing file without --force, and over one of the inputs even with it (usage CliErrors).
    void refuse(const std::string& file, const std::vector<std::string>& inputs) const;
};

}  // namespace zorv::cli
