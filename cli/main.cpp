#include <iostream>
#include <string>
#include <vector>

#include "cli/CommandDispatcher.h"
#include "cli/ControlCharacterFilter.h"
#include "cli/ExitCode.h"
#include "cli/InterruptWatch.h"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    // Standard output carries results, byte for byte; standard error carries messages for a person.
    const zorv::cli::ControlCharacterFilter messages(std::cerr);
    const int status = zorv::cli::CommandDispatcher().run(args, std::cout, std::cerr);
    if (status == zorv::cli::kInterrupted) {
        std::cout.flush();
        std::cerr.flush();
        zorv::cli::InterruptWatch::EndAsInterrupted();
    }
    return status;
}
