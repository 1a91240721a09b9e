#include "fuzzy/sets/CFuzzySet.h"

#include <algorithm>
#include <vector>

namespace zorv {

double CFuzzySet::setLow(double low) {
    if (universe_.dimensions() > 0) universe_.range(0).low = low;
    return low;
}

double CFuzzySet::setHigh(double high) {
    if (universe_.dimensions() > 0) universe_.range(0).high = high;
    return high;
}

void CFuzzySet::membershipBatch(const double* xs, double* out, std::size_t n) const {
    for (std::size_t i = 0; i < n; ++i) {
        const double x = xs[i];
        out[i] = membership(&x);
    }
}

CFuzzyDiscreteSet CFuzzySet::discretize(const int* counts) const {
    const int dims = universe_.dimensions();
    if (dims == 0 || counts == nullptr) return CFuzzyDiscreteSet({0}, universe_);
    std::vector<int> sizes(counts, counts + dims);
    CFuzzyDiscreteSet result(std::move(sizes), universe_);
    std::vector<double>& v = result.values();
    if (v.empty()) return result;

    if (dims == 1) {
        // The grid coordinates first, then one batch call that overwrites them with the degrees.
        const std::size_t n = v.size();
        const double lo = universe_.range(0).low, hi = universe_.range(0).high;
        const double step = n > 1 ? (hi - lo) / static_cast<double>(n - 1) : 0.0;
        for (std::size_t j = 0; j + 1 < n; ++j) v[j] = lo + static_cast<double>(j) * step;
        v[n - 1] = n > 1 ? hi : lo;
        membershipBatch(v.data(), v.data(), n);
        return result;
    }

    std::vector<int> index(static_cast<std::size_t>(dims), 0);
    std::vector<double> point(static_cast<std::size_t>(dims), 0.0);
    std::size_t linear = 0;
    do {
        for (int k = 0; k < dims; ++k)
            point[static_cast<std::size_t>(k)] = result.gridPoint(k, index[static_cast<std::size_t>(k)]);
        v[linear++] = membership(point.data());
    } while (result.nextIndex(index.data()));
    return result;
}

CFuzzyDiscreteSet CFuzzySet::discretize(int count) const { return discretize(&count); }

CFuzzyACutSet CFuzzySet::toAlphaCuts(int count, const double* levels) const {
    const std::size_t n = static_cast<std::size_t>(std::max(0, count));
    std::vector<double> at(n);
    std::vector<CAlphaCut> cuts;
    cuts.reserve(n);
    for (std::size_t i = 0; i < n; ++i) {
        at[i] = levels ? levels[i] : static_cast<double>(i + 1) / count;
        cuts.push_back(alphaCut(at[i]));
    }
    return CFuzzyACutSet(std::move(at), std::move(cuts), low(), high());
}

}  // namespace zorv
