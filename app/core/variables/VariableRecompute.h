#pragma once

#include <string>

namespace zorv {

// The question the variable dialog asks before it changes a context whose rules hold numbers (Yes / No /
// Cancel).
struct VariableRecomputeQuestion {
    std::string text;
    // "No" cuts the numbers to the new context (some lie outside it); otherwise "No" leaves them.
    bool cut = false;
};

}  // namespace zorv
