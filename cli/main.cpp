#include <iostream>
#include <string>
#include <vector>

#include "cli/CommandDispatcher.h"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    return zorv::cli::CommandDispatcher().run(args, std::cout, std::cerr);
}
