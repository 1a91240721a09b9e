#pragma once

#include <stdexcept>
#include <string>

namespace zorv {

// Why a tuning cannot start: the rule base, the rows or the options do not allow it. The message is a sentence
// fragment that can follow "error: ".
class ETuningRefused : public std::runtime_error {
public:
    explicit ETuningRefused(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace zorv
