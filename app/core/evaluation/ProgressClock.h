#pragma once

#include <chrono>
#include <string>

namespace zorv {

// Times a long operation for the editor's progress display.
class ProgressClock {
public:
    void start() { started_ = std::chrono::steady_clock::now(); }
    double elapsedSeconds() const;

    // The label text after an operation: a blank, the seconds rounded to three significant digits and
    // written with two decimals, and "s" (" 1.23s", " 12.30s", " 0.01s").
    static std::string elapsedText(double seconds);

private:
    std::chrono::steady_clock::time_point started_ = std::chrono::steady_clock::now();
};

}  // namespace zorv
