#include "cli/CommandDispatcher.h"

#include "cli/CommandList.h"
#include "cli/ExitCode.h"
#include "zorv/Version.h"

namespace zorv::cli {

namespace {

bool isHelpFlag(std::string_view arg) { return arg == "--help" || arg == "-h"; }

int usageError(std::ostream& err, const std::string& message) {
    err << "error: " << message << "\nTry 'zorv --help'.\n";
    return kUsage;
}

}  // namespace

CommandDispatcher::CommandDispatcher() : CommandDispatcher(allCommands()) {}

CommandDispatcher::CommandDispatcher(std::vector<std::unique_ptr<Command>> commands)
    : commands_(std::move(commands)) {}

int CommandDispatcher::run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) const {
    if (args.empty()) {
        printOverview(err);
        return kUsage;
    }
    const std::string& first = args.front();
    if (Command* command = find(first)) {
        return command->run(std::vector<std::string>(args.begin() + 1, args.end()), out, err);
    }
    int status = kSuccess;
    if (isHelpFlag(first) || first == "help") {
        status = help(args, out, err);
    } else if (first == "--version") {
        out << "zorv " << ZORV_VERSION << '\n';
    } else {
        return usageError(err, (first.starts_with('-') ? "unknown option '" : "unknown command '") + first + "'");
    }
    out.flush();
    if (!out) {
        err << "error: " << kOutputFailed << '\n';
        return kUsage;
    }
    return status;
}

Command* CommandDispatcher::find(std::string_view name) const {
    for (const auto& command : commands_) {
        if (command->name() == name) {
            return command.get();
        }
    }
    return nullptr;
}

// "zorv help", "zorv --help" and "zorv help <command>".
int CommandDispatcher::help(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) const {
    if (args.size() == 1) {
        printOverview(out);
        return kSuccess;
    }
    if (args.size() > 2) {
        return usageError(err, "help takes at most one command name");
    }
    const Command* command = find(args[1]);
    if (command == nullptr) {
        return usageError(err, "unknown command '" + args[1] + "'");
    }
    out << command->help();
    return kSuccess;
}

void CommandDispatcher::printOverview(std::ostream& out) const {
    out << "zorv - fuzzy rule bases in evaluative linguistic expressions\n\n"
           "Usage: zorv <command> [options] [arguments]\n"
           "       zorv help <command>      show the help of one command\n"
           "       zorv --help              show this overview\n"
           "       zorv --version           show the version\n\n"
           "Commands:\n";
    for (const auto& command : commands_) {
        const std::string_view name = command->name();
        out << "  " << name << std::string(name.size() < 12 ? 12 - name.size() : 1, ' ') << command->summary()
            << '\n';
    }
    out << "\nExit status: 0 success, 1 bad input (a wrong expression or value), "
           "2 usage or I/O error.\n";
}

}  // namespace zorv::cli
