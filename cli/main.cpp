#include <iostream>
#include <string>
#include <vector>

#include "cli/CommandDispatcher.h"
#include "cli/ControlCharacterFilter.h"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    // Standard output carries results, byte for byte; standard error carries messages for a person.
    const zorv::cli::ControlCharacterFilter messages(std::cerr);
    return zorv::cli::CommandDispatcher().run(args, std::cout, std::cerr);
}
