#pragma once

#include <stdexcept>
#include <string>

namespace zorv {

// Raised when a file cannot be written: its content cannot be expressed in the file's form (nothing is
// written then), or the output failed (a file target keeps its previous content). code() holds the system's
// error number when a system call failed (0 otherwise).
class EWrite : public std::runtime_error {
public:
    explicit EWrite(const std::string& message, int code = 0) : std::runtime_error(message), code_(code) {}

    int code() const { return code_; }

private:
    int code_;
};

}  // namespace zorv
