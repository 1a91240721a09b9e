#pragma once

#include <string>
#include <vector>

#include "cli/ArgumentCursor.h"
#include "cli/ExprOptions.h"

namespace zorv::cli {

// Reads the arguments of "zorv expr" into ExprOptions and checks the values:
// a line that cannot be understood throws a usage CliError, an understood but unacceptable value
// (an empty context, unordered parameters, ...) a bad-value CliError.
class ExprOptionsParser {
public:
    static constexpr long long kMaxDiscretization = 1'000'000;
    static constexpr long long kMaxInputs = 100'000;

    ExprOptions parse(const std::vector<std::string>& args) const;

private:
    void readOption(const std::string& option, ArgumentCursor& cursor, ExprOptions& options) const;
    void readUserTerm(ArgumentCursor& cursor, ExprOptions& options) const;
    void check(const ExprOptions& options) const;
    void checkApplicable(const ExprOptions& options) const;
    void checkValues(const ExprOptions& options) const;
};

}  // namespace zorv::cli
