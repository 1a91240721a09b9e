#pragma once

#include <ostream>
#include <vector>

namespace zorv::cli {

// Prints a fuzzy set sampled at points spread evenly over <low, high>: one line "x<TAB>mu" per sample, in the
// shortest form that reads back to the same number.
class SampleTable {
public:
    static void write(std::ostream& out, double low, double high, const std::vector<double>& mu);

    // Point j of n: low + j (high - low) / (n - 1), and high itself for the last one. On a context so wide
    // that j (high - low) overflows, the step (high - low) / (n - 1) is taken first.
    static double point(double low, double high, int n, int j);
};

}  // namespace zorv::cli
