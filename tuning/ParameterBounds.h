#pragma once

#include <string>

namespace zorv {

// Bounds given for one parameter by name, in place of the default ones.
struct ParameterBounds {
    std::string name;
    double lower = 0.0;
    double upper = 0.0;
};

}  // namespace zorv
