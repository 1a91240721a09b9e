#pragma once

#include <string>
#include <vector>

#include "cli/Command.h"
#include "cli/OutputFile.h"
#include "interchange/InterchangeFormat.h"

namespace zorv::cli {

// "zorv export": writes a rule base as FIS, FCL or FLL for other fuzzy tools, or as stand-alone C.
class ExportCommand : public Command {
public:
    ExportCommand();

protected:
    int execute(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) override;

private:
    struct Arguments {
        std::string input;
        OutputFile output;
        InterchangeFormat format = InterchangeFormat::Fll;
        std::string prefix;
    };

    static Arguments parse(const std::vector<std::string>& args);
};

}  // namespace zorv::cli
