#include "tuning/ParameterSpace.h"

#include <algorithm>

namespace zorv {

namespace {

std::vector<double> Field(const std::vector<TuningParameter>& parameters, double TuningParameter::*field) {
    std::vector<double> values;
    values.reserve(parameters.size());
    for (const TuningParameter& p : parameters) values.push_back(p.*field);
    return values;
}

}  // namespace

std::vector<double> ParameterSpace::Initial() const { return Field(parameters_, &TuningParameter::initial); }
std::vector<double> ParameterSpace::Lower() const { return Field(parameters_, &TuningParameter::lower); }
std::vector<double> ParameterSpace::Upper() const { return Field(parameters_, &TuningParameter::upper); }

bool ParameterSpace::SetBounds(std::string_view name, double lower, double upper) {
    const auto found = std::find_if(parameters_.begin(), parameters_.end(),
                                    [name](const TuningParameter& p) { return p.name == name; });
    if (found == parameters_.end()) return false;
    found->lower = lower;
    found->upper = upper;
    return true;
}

void ParameterSpace::DropFixed() {
    std::erase_if(parameters_, [](const TuningParameter& p) { return !(p.lower < p.upper); });
}

}  // namespace zorv
