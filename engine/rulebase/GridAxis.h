#pragma once

namespace zorv {

// count evenly spaced values over [low, high]: value i is low + i·(high − low)/(count − 1), and the last is
// high itself (so that rounding never leaves it short of, or beyond, the bound). One value is low.
struct GridAxis {
    double low = 0.0;
    double high = 0.0;
    int count = 0;

    double Value(int i) const {
        if (i >= count - 1 && count > 1) return high;
        return count > 1 ? low + i * ((high - low) / (count - 1)) : low;
    }
};

}  // namespace zorv
