#include "app/core/evaluation/ProgressClock.h"

#include "text/NumberText.h"

namespace zorv {

double ProgressClock::elapsedSeconds() const {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - started_).count();
}

std::string ProgressClock::elapsedText(double seconds) {
    const double rounded = NumberText::roundToSignificant(seconds > 0.0 ? seconds : 0.0, 3);
    std::string text(1, ' ');
    text.append(NumberText::fixed(rounded, 2)).push_back('s');
    return text;
}

}  // namespace zorv
