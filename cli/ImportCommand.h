#pragma once

#include <string>
#include <vector>

#include "cli/Command.h"
#include "cli/OutputFile.h"

namespace zorv {
struct ImportOutcome;
}

namespace zorv::cli {

// "zorv import": reads a FIS, FCL or FLL file of another fuzzy tool and writes it as a rule base.
class ImportCommand : public Command {
public:
    ImportCommand();

protected:
    int execute(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) override;

private:
    struct Arguments {
        bool approximate = false;
        std::string input;
        OutputFile output;
    };

    static Arguments parse(const std::vector<std::string>& args);
    // The imported rule base; a file that cannot be read is an I/O CliError, its refused content EInterchange.
    static ImportOutcome read(const Arguments& arguments);
};

}  // namespace zorv::cli
