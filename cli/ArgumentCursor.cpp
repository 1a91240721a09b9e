#include "cli/ArgumentCursor.h"

#include "cli/CliError.h"
#include "text/NumberText.h"

namespace zorv::cli {

const std::string& ArgumentCursor::next() { return args_.at(pos_++); }

const std::string& ArgumentCursor::value(const std::string& option) {
    if (done()) {
        throw CliError::usage(option + ": missing value");
    }
    return next();
}

double ArgumentCursor::real(const std::string& option) {
    const std::string& text = value(option);
    const auto number = NumberText::parseReal(text);
    if (!number) {
        throw CliError::usage(option + ": '" + text + "' is not a finite number");
    }
    return *number;
}

std::int64_t ArgumentCursor::integer(const std::string& option) {
    const std::string& text = value(option);
    const auto number = NumberText::parseInteger(text);
    if (!number) {
        throw CliError::usage(option + ": '" + text + "' is not an integer");
    }
    return *number;
}

}  // namespace zorv::cli
