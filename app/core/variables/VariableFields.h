#pragma once

#include <string>

namespace zorv {

// The fields of the variable dialog as typed.
struct VariableFields {
    std::string name;
    std::string low;
    std::string high;
    std::string discretization;

    bool operator==(const VariableFields&) const = default;
};

}  // namespace zorv
