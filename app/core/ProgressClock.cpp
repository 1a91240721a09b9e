#include "app/core/ProgressClock.h"

#include <cstdio>
#include <cstdlib>

namespace zorv {

double ProgressClock::elapsedSeconds() const {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - started_).count();
}

std::string ProgressClock::elapsedText(double seconds) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.3g", seconds > 0.0 ? seconds : 0.0);
    const double rounded = std::strtod(buffer, nullptr);
    std::snprintf(buffer, sizeof buffer, " %.2fs", rounded);
    return buffer;
}

}  // namespace zorv
