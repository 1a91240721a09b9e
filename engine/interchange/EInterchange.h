#pragma once

#include <stdexcept>
#include <string>
#include <vector>

namespace zorv {

// Raised when a file cannot be imported or a rule base cannot be exported: every problem found, one message
// each ("FILE:LINE: ..." for problems of a file being read). what() is the messages, one a line.
class EInterchange : public std::runtime_error {
public:
    explicit EInterchange(std::vector<std::string> messages);
    explicit EInterchange(const std::string& message) : EInterchange(std::vector<std::string>{message}) {}

    const std::vector<std::string>& messages() const { return messages_; }

private:
    std::vector<std::string> messages_;
};

}  // namespace zorv
