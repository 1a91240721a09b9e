#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace zorv::cli {

// Walks through a command's arguments and reads option values; a missing or malformed value
// throws a usage CliError naming the option.
class ArgumentCursor {
public:
    explicit ArgumentCursor(const std::vector<std::string>& args) : args_(args) {}

    bool done() const { return pos_ >= args_.size(); }
    const std::string& next();

    // The value after the option `option`.
    const std::string& value(const std::string& option);
    // A finite real number after the option.
    double real(const std::string& option);
    // An integer after the option.
    std::int64_t integer(const std::string& option);

private:
    const std::vector<std::string>& args_;
    std::size_t pos_ = 0;
};

}  // namespace zorv::cli
