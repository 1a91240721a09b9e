#include "cli/SampleTable.h"

#include <cmath>

#include "text/NumberText.h"

namespace zorv::cli {

double SampleTable::point(double low, double high, int n, int j) {
    if (j >= n - 1) return high;
    const double spread = j * (high - low);
    return std::isfinite(spread) ? low + spread / (n - 1) : low + j * ((high - low) / (n - 1));
}

void SampleTable::write(std::ostream& out, double low, double high, const std::vector<double>& mu) {
    const int n = static_cast<int>(mu.size());
    for (int j = 0; j < n; ++j) {
        out << NumberText::shortest(point(low, high, n, j)) << '\t' << NumberText::shortest(mu[static_cast<std::size_t>(j)])
            << '\n';
    }
}

}  // namespace zorv::cli
