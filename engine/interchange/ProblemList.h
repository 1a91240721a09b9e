#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace zorv {

// Collects the problems of one file so that they are reported all at once, each as "FILE:LINE: message"
// ("FILE: message" for a problem without a line).
class ProblemList {
public:
    // Longest message after "FILE:LINE: "; longer ones are cut, marked with "...".
    static constexpr std::size_t kMessageBytes = 1000;

    explicit ProblemList(std::string file) : file_(std::move(file)) {}

    void add(int line, const std::string& message);
    bool empty() const { return messages_.empty(); }
    const std::vector<std::string>& messages() const { return messages_; }
    // Throws EInterchange with every message collected, if there is any.
    void throwIfAny() const;

    const std::string& file() const { return file_; }

private:
    std::string file_;
    std::vector<std::string> messages_;
};

}  // namespace zorv
