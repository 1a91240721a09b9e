#pragma once

#include <stdexcept>
#include <string>

namespace zorv {

// Raised when a file cannot be written: its content cannot be expressed in the file's form (nothing is
// written then), or the output failed (a file target keeps its previous content).
class EWrite : public std::runtime_error {
public:
    explicit EWrite(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace zorv
