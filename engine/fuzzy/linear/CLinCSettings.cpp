#include "fuzzy/linear/CLinCSettings.h"

#include <span>
#include <stdexcept>

#include "fuzzy/linear/CLinearFormReader.h"

namespace zorv {

void CLinCSettings::parseLinear(std::string_view text, double* coefficients, int n) const {
    if (n < 0) {
        throw std::invalid_argument("parseLinear: negative number of input variables");
    }
    CLinearFormReader(std::span<double>(coefficients, static_cast<std::size_t>(n) + 1)).read(text);
}

std::vector<double> CLinCSettings::parseLinear(std::string_view text, int n) const {
    std::vector<double> coefficients(n < 0 ? 0 : static_cast<std::size_t>(n) + 1);
    parseLinear(text, coefficients.data(), n);
    return coefficients;
}

}  // namespace zorv
