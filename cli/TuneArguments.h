#pragma once

#include <optional>
#include <string>
#include <vector>

#include "tuning/TuningOptions.h"

namespace zorv::cli {

// The command line of "zorv tune": the files, whether to write on an interrupt, and the tuning's options.
struct TuneArguments {
    std::string ruleBase;
    std::string data;
    std::optional<std::string> output;
    bool saveOnInterrupt = false;
    TuningOptions options;

    // Throws a usage CliError for anything it cannot understand.
    static TuneArguments Parse(const std::vector<std::string>& args);
};

}  // namespace zorv::cli
