#pragma once

#include <string_view>
#include <vector>

#include "fuzzy/vocabulary/CBasicSettings.h"

namespace zorv {

// The "triang" vocabulary: triangular standard terms kept at the front of terms() and the power hedges
// "ve"/"very" (a^0.5) and "ro"/"roughly" (a^2) after "not".
// Context <L, H>, M = (L + H)/2:
// - L = 0: small (L, L, M), medium (L + (H - L)/4, M, L + 3(H - L)/4), big (M, H, H);
// - L < 0 < H: -big (L, L, 2L/3), -medium (L, 2L/3, L/3), -small (2L/3, L/3, 0), zero (L/3, 0, H/3),
//   +small (0, H/3, 2H/3), +medium (H/3, 2H/3, H), +big (2H/3, H, H);
// - any other context: no standard terms.
// Each term's short name is the abbreviation ("sm", "-bi", "ze"), its long name the full word.
class CTriangSettings : public CBasicSettings {
public:
    CTriangSettings(double low, double high);

    std::string_view typeName() const override { return "triang"; }
    // Signed words exist when the context contains 0 strictly inside.
    bool allowsNegativeTerms() const override { return low() < 0.0 && 0.0 < high(); }
    // Rebuilds the standard terms for the new context; user terms follow it.
    void setContext(double low, double high) override;
    int standardKindOf(int termIndex) const override;

private:
    void buildStandardTerms();

    std::vector<int> standardKinds_;  // kind (0..11) of each entry of the standard block
};

}  // namespace zorv
