#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "cli/Command.h"
#include "cli/CommandDispatcher.h"
#include "tests/support/ScratchFolder.h"

namespace zorv::cli::test {

using ::zorv::test::fileText;
using ::zorv::test::ScratchFolder;

// What one run of zorv printed and returned.
struct CommandResult {
    int status;
    std::string out;
    std::string err;
};

// zorv with the arguments after the program name.
inline CommandResult runZorv(const std::vector<std::string>& args) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = CommandDispatcher().run(args, out, err);
    return {status, out.str(), err.str()};
}

// One subcommand with the arguments after its name (a command made with its own standard input, say).
inline CommandResult runCommand(Command& command, const std::vector<std::string>& args) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = command.run(args, out, err);
    return {status, out.str(), err.str()};
}

template <typename Subcommand>
CommandResult runCommand(const std::vector<std::string>& args) {
    Subcommand command;
    return runCommand(command, args);
}

// A file of the examples folder.
inline std::string example(const std::string& name) { return std::string(ZORV_SOURCE_DIR) + "/examples/" + name; }

inline std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) result.push_back(line);
    return result;
}

inline std::vector<std::string> fields(const std::string& line) {
    std::vector<std::string> result;
    std::size_t from = 0;
    for (;;) {
        const std::size_t tab = line.find('\t', from);
        result.push_back(line.substr(from, tab == std::string::npos ? std::string::npos : tab - from));
        if (tab == std::string::npos) return result;
        from = tab + 1;
    }
}

// The text of a rule base file with its InfMethod= line naming another method.
inline std::string withInferenceMethod(const std::string& path, const std::string& method) {
    std::string text = fileText(path);
    const std::size_t at = text.find("InfMethod=");
    text.replace(at, text.find('\n', at) - at, "InfMethod=" + method);
    return text;
}

}  // namespace zorv::cli::test
