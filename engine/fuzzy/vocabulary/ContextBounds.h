#pragma once

#include <optional>
#include <string>

namespace zorv {

// Whether <low, high> can be a variable's context: both bounds finite numbers, low below high, and the
// width high - low finite too, since every grid point and every number scaled between the bounds is
// computed from it (<-1e308, 1e308> has finite bounds but an infinite width). The file reader, the
// command line, the library and the variable dialog all ask this one check.
class ContextBounds {
public:
    enum class Fault { none, notFinite, notAscending, tooWide };

    static Fault Check(double low, double high);
    // The fault in words ("the context is too wide: ..."), or none.
    static std::optional<std::string> Problem(double low, double high);
};

}  // namespace zorv
