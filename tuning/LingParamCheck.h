#pragma once

#include <array>

namespace zorv {

// Whether four lingparams make usable words: strictly ascending within [0, 1], as the reader requires, and
// shaping small, medium and big as sets whose six points ascend within [0, 1]. The shapes follow from the
// lingparams by fixed ratios, and a centre of medium far from its default folds medium's kernel over or
// pushes big out of the universe although the four values themselves ascend.
class LingParamCheck {
public:
    static bool Valid(const std::array<double, 4>& lingParams);

    // Narrows [lower, upper] of lingparam `which` to the stretch around its value in lingParams (which must be
    // valid) over which the lingparams stay valid, the others as they are; checked at 64 steps each way.
    static void Narrow(const std::array<double, 4>& lingParams, int which, double& lower, double& upper);
};

}  // namespace zorv
