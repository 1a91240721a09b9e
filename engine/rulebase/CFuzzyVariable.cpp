#include "rulebase/CFuzzyVariable.h"

#include <stdexcept>

namespace zorv {

CFuzzyVariable::CFuzzyVariable(std::string name, std::shared_ptr<CSettings> settings, int discretization)
    : name_(std::move(name)), settings_(std::move(settings)), discretization_(discretization) {
    if (settings_ == nullptr) throw std::invalid_argument("a variable needs settings");
    if (discretization_ < 1) throw std::invalid_argument("a variable needs at least one grid point");
}

}  // namespace zorv
