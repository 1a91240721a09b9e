#pragma once

#include <array>
#include <vector>

#include "fuzzy/sets/CFuzzySet.h"

namespace zorv {

// A shape given by a few parameters (points of the context, in order) over a one-axis universe <low, high>.
// Changing a bound maps every parameter p linearly from the old context <L, H> onto the new one <L', H'>:
// p' = L' + (p - L)(H' - L')/(H - L). On a zero-width old context the parameters stay and only the bound moves.
class CFuzzyParamSet : public CFuzzySet {
public:
    static constexpr int kMaxParams = 6;

    virtual int paramCount() const { return 0; }
    // Writes the paramCount() parameters in order (nothing when out is null).
    virtual void getParams(double* out) const;
    // Reads paramCount() parameters in order (nothing when in is null).
    virtual void setParams(const double* in);
    std::vector<double> params() const;
    double param(int i) const { return params_[static_cast<std::size_t>(i)]; }

    double setLow(double low) override;
    double setHigh(double high) override;

protected:
    CFuzzyParamSet(double low, double high) : CFuzzySet(CUniverse(low, high)) {}

    // Maps the parameters from <oldLow, oldHigh> onto <newLow, newHigh> (oldHigh != oldLow).
    virtual void rescale(double oldLow, double oldHigh, double newLow, double newHigh);

    std::array<double, kMaxParams> params_{};
};

}  // namespace zorv

// The shapes, so that including the base gives the whole family.
#include "fuzzy/sets/CFuzzyGaussianSet.h"   // IWYU pragma: export
#include "fuzzy/sets/CFuzzyQuadraticSet.h"  // IWYU pragma: export
#include "fuzzy/sets/CFuzzyTrapezoidSet.h"  // IWYU pragma: export
#include "fuzzy/sets/CFuzzyTriangSet.h"     // IWYU pragma: export
