#pragma once

#include <vector>

#include "fuzzy/sets/CUniverse.h"

namespace zorv {

// The cut of a fuzzy set at one level: a union of boxes, each box one closed interval per axis.
// A point lies in the cut when, for some box, low <= x_k <= high holds on every axis k of that box.
// A default-constructed cut is the empty cut: one box of one axis with low 1 and high -1.
class CAlphaCut {
public:
    std::vector<std::vector<CInterval>> boxes;

    CAlphaCut() : boxes{{CInterval{1.0, -1.0}}} {}
    explicit CAlphaCut(std::vector<std::vector<CInterval>> b) : boxes(std::move(b)) {}

    // One box of one axis, [low, high].
    static CAlphaCut interval(double low, double high) { return CAlphaCut({{CInterval{low, high}}}); }
    static CAlphaCut empty() { return CAlphaCut(); }

    // Axes of the first box (0 without boxes).
    int dimensions() const { return boxes.empty() ? 0 : static_cast<int>(boxes.front().size()); }
    int boxCount() const { return static_cast<int>(boxes.size()); }

    // point: one coordinate per axis of the boxes.
    bool contains(const double* point) const;
    bool contains(double x) const { return contains(&x); }
    // True when no box holds any point (every box has low > high on some axis, or there is no box).
    bool isEmpty() const;

    bool operator==(const CAlphaCut&) const = default;
};

}  // namespace zorv
