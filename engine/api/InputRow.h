#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <vector>

namespace zorv {

class CRuleBase;

// Checks one row of crisp inputs for a rule base and brings it into the inputs' contexts: a value outside
// a context is taken at its nearest end; a value that is not finite, or a row of the wrong length, is
// refused with an Error that names the input.
class InputRow {
public:
    explicit InputRow(const CRuleBase& unit);

    std::size_t size() const { return low_.size(); }
    // Writes the checked row into out (size() values).
    void prepare(std::span<const double> row, std::span<double> out) const;

private:
    std::vector<std::string> names_;
    std::vector<double> low_;
    std::vector<double> high_;
};

}  // namespace zorv
