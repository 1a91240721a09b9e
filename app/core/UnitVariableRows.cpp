#include "app/core/UnitVariableRows.h"

#include "app/core/FixedText.h"
#include "rulebase/CRuleBase.h"

namespace zorv {

std::vector<std::string> UnitVariableRows::headers() {
    return {"Name", "Short", "Lo", "Hi", "Type"};
}

std::vector<UnitVariableRow> UnitVariableRows::rows(const CRuleBase& unit, bool input) {
    const int count = input ? unit.AntecedentCount() : unit.SuccedentCount();
    std::vector<UnitVariableRow> result;
    result.reserve(static_cast<std::size_t>(count));
    for (int row = 0; row < count; ++row) {
        const int index = signedIndex(input, row);
        result.push_back({unit.VariableName(index), {}, FixedText::TwoDecimals(unit.ContextLow(index)),
                          FixedText::TwoDecimals(unit.ContextHigh(index)), {}});
    }
    return result;
}

}  // namespace zorv
