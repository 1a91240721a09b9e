#include "app/core/variables/UnitVariableRows.h"

#include "rulebase/CRuleBase.h"
#include "text/NumberText.h"

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
        result.push_back({unit.VariableName(index), {}, NumberText::twoDecimals(unit.ContextLow(index)),
                          NumberText::twoDecimals(unit.ContextHigh(index)), {}});
    }
    return result;
}

}  // namespace zorv
