#pragma once

#include <stdexcept>
#include <string>

namespace zorv {

// Raised when an evaluation is refused instead of being run: the request is well formed but cannot be
// answered in reasonable time or by the method the unit holds. what() is a message for the user.
class ERefused : public std::runtime_error {
public:
    explicit ERefused(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace zorv
