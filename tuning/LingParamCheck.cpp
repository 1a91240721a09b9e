#include "tuning/LingParamCheck.h"

#include <algorithm>

#include "fuzzy/vocabulary/CLingShapes.h"
#include "fuzzy/vocabulary/CLingTerm.h"
#include "fuzzy/vocabulary/CLinguisticSettings.h"

namespace zorv {

namespace {

constexpr int kSteps = 64;

bool Usable(const CLingShapes::Row& row) {
    return std::is_sorted(row.begin(), row.end()) && row.front() >= 0.0 && row.back() <= 1.0;
}

}  // namespace

bool LingParamCheck::Valid(const std::array<double, 4>& lingParams) {
    if (!CLinguisticSettings::acceptsLingParams(lingParams)) return false;
    const CLingShapes shapes(lingParams);
    return Usable(shapes.row(CLingTerm::kSmall)) && Usable(shapes.row(CLingTerm::kMedium)) &&
           Usable(shapes.row(CLingTerm::kBig));
}

void LingParamCheck::Narrow(const std::array<double, 4>& lingParams, int which, double& lower, double& upper) {
    const auto at = static_cast<std::size_t>(which);
    const double value = lingParams[at];
    for (double* bound : {&lower, &upper}) {
        const double step = (*bound - value) / kSteps;
        std::array<double, 4> trial = lingParams;
        for (int k = 1; k <= kSteps; ++k) {
            trial[at] = value + k * step;
            if (!Valid(trial)) {
                *bound = value + (k - 1) * step;
                break;
            }
        }
    }
}

}  // namespace zorv
