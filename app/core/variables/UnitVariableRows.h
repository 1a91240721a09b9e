#pragma once

#include <string>
#include <vector>

namespace zorv {

class CRuleBase;

// One row of the editor's variables grids: the name and the context bounds with two decimals;
// "Short" and "Type" stay empty.
struct UnitVariableRow {
    std::string name;
    std::string shortName;
    std::string low;
    std::string high;
    std::string type;

    bool operator==(const UnitVariableRow&) const = default;
};

// The content of the "Input variables" and "Output variables" grids.
class UnitVariableRows {
public:
    static std::vector<std::string> headers();
    static std::vector<UnitVariableRow> rows(const CRuleBase& unit, bool input);
    // The signed index of the variable shown in row (input k is k, output k is -(k + 1)).
    static int signedIndex(bool input, int row) { return input ? row : ~row; }
};

}  // namespace zorv
