#pragma once

namespace zorv {

// v mapped linearly from <oldLow, oldHigh> onto <newLow, newHigh>:
// newLow + (v - oldLow)/(oldHigh - oldLow) (newHigh - newLow); newLow when the old context has no width.
inline double rescaledNumber(double v, double newLow, double newHigh, double oldLow, double oldHigh) {
    const double width = oldHigh - oldLow;
    if (width == 0.0) return newLow;
    return newLow + (v - oldLow) / width * (newHigh - newLow);
}

// v limited to [low, high].
inline double clampedNumber(double v, double low, double high) {
    if (v < low) return low;
    if (v > high) return high;
    return v;
}

}  // namespace zorv
