#include "api/InputRow.h"

#include <algorithm>
#include <cmath>

#include "rulebase/CRuleBase.h"
#include "zorv/Error.h"

namespace zorv {

InputRow::InputRow(const CRuleBase& unit) {
    for (int k = 0; k < unit.AntecedentCount(); ++k) {
        names_.push_back(unit.VariableName(k));
        low_.push_back(unit.ContextLow(k));
        high_.push_back(unit.ContextHigh(k));
    }
}

void InputRow::prepare(std::span<const double> row, std::span<double> out) const {
    if (row.size() != size()) {
        throw ShapeError("the rule base has " + std::to_string(size()) + " input(s), " + std::to_string(row.size()) +
                    " value(s) given");
    }
    for (std::size_t k = 0; k < row.size(); ++k) {
        if (!std::isfinite(row[k])) {
            throw Error("input " + names_[k] + " is not a finite number");
        }
        out[k] = std::clamp(row[k], low_[k], high_[k]);
    }
}

}  // namespace zorv
