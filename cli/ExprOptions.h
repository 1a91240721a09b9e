#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace zorv::cli {

// A user term given on the command line: its name, the shape's type name and its parameters.
struct UserTermOption {
    std::string name;
    std::string type;
    std::vector<double> params;
};

// The arguments of "zorv expr", as read from the command line (not yet checked against each other).
struct ExprOptions {
    static constexpr int kDefaultDiscretization = 301;

    std::string vocabulary = "linguistic";
    double low = 0.0;
    double high = 1.0;
    std::optional<std::array<double, 4>> lingParams;
    std::optional<long long> discretization;
    std::optional<long long> inputs;
    std::vector<UserTermOption> userTerms;
    std::string text;

    int gridSize() const { return discretization ? static_cast<int>(*discretization) : kDefaultDiscretization; }
    int inputCount() const { return inputs ? static_cast<int>(*inputs) : 1; }
};

}  // namespace zorv::cli
