#include "ftransform/command/FTransformContext.h"

#include "text/NumberText.h"

#include <cmath>

namespace zorv {

namespace {

std::string text(const FTransformContext& context) {
    return NumberText::interval(context.low, context.high);
}

}  // namespace

std::optional<std::string> FTransformContext::inputFault() const {
    if (!std::isfinite(low) || !std::isfinite(high)) {
        return "The context " + text(*this) + " must have finite bounds.";
    }
    if (!(low < high)) {
        return "The context " + text(*this) + " is empty: its low bound must lie below its high bound.";
    }
    return std::nullopt;
}

std::optional<std::string> FTransformContext::outputFault() const {
    if (!std::isfinite(low) || !std::isfinite(high)) {
        return "The output context " + text(*this) + " must have finite bounds.";
    }
    if (low > high) {
        return "The output context " + text(*this) + " is reversed: its low bound lies above its high bound.";
    }
    return std::nullopt;
}

}  // namespace zorv
