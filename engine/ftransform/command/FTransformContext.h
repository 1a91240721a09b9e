#pragma once

#include <optional>
#include <string>

namespace zorv {

// The context <low, high> of a variable as the F-transform command uses it: data values are
// clamped into it, and the output context's midpoint is the transform's default value.
struct FTransformContext {
    double low = 0.0;
    double high = 1.0;

    double midpoint() const { return (low + high) * 0.5; }
    // x raised to low or lowered to high.
    double clamp(double x) const { return x < low ? low : (x > high ? high : x); }

    // Why the context cannot serve an input (non-finite, or not low < high), or none.
    std::optional<std::string> inputFault() const;
    // Why the context cannot serve the output (non-finite, or low > high), or none. A single-point
    // output context is accepted: every value clamps to it.
    std::optional<std::string> outputFault() const;

    bool operator==(const FTransformContext&) const = default;
};

}  // namespace zorv
