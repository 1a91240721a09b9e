#pragma once

#include <functional>
#include <vector>

namespace zorv {

class RulesGrid;

// The order of the rules grid's rows when sorted by one column. For each position from the top, the row that
// comes first among the rest is found by scanning downwards and taking a row only when it comes strictly
// before the current candidate (ties keep the earlier row); it moves up to that position and the others keep
// their order. Which row comes before which:
// - an expression column of a fuzzy vocabulary: the expressions' sort order (CLinguisticSettings), texts that
//   fail the syntax check coming before nothing and after nothing;
// - an expression column of a linear vocabulary: the number the text begins with, smaller first;
// - an analysis column: its sort key, smaller first.
class RuleRowSorter {
public:
    // Old row numbers in their new order.
    static std::vector<int> order(const RulesGrid& grid, int column);
    static std::vector<int> order(int count, const std::function<bool(int, int)>& before);
};

}  // namespace zorv
