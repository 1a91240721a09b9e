#include "fuzzy/vocabulary/ContextBounds.h"

#include <cmath>

namespace zorv {

ContextBounds::Fault ContextBounds::Check(double low, double high) {
    if (!std::isfinite(low) || !std::isfinite(high)) return Fault::notFinite;
    if (!(low < high)) return Fault::notAscending;
    if (!std::isfinite(high - low)) return Fault::tooWide;
    return Fault::none;
}

std::optional<std::string> ContextBounds::Problem(double low, double high) {
    switch (Check(low, high)) {
        case Fault::notFinite: return "the context bounds must be finite numbers";
        case Fault::notAscending: return "the low bound of the context must be below the high bound";
        case Fault::tooWide: return "the context is too wide: its width is not a finite number";
        case Fault::none: break;
    }
    return std::nullopt;
}

}  // namespace zorv
