#pragma once

#include <filesystem>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "zorv/Export.h"

namespace zorv {

class RuleBase;

// The direct F-transform of data rows over uniform fuzzy partitions of the input contexts, and its inverse,
// as `zorv ftransform` and the data table's F-Transform command compute them. With A_k(x) the product of the
// axes' basic functions of the node combination k, the rows (x_j, y_j) give one component per combination
//     F_k = Σ_j A_k(x_j)·y_j / Σ_j A_k(x_j)        (invalid where no row reaches k)
// and the inverse reconstructs f(x) = Σ_k A_k(x)·v_k, v_k = F_k where valid, else the midpoint of the
// output context. Inputs are clamped into their contexts and outputs into the output context.
//
// The two sums are kept per combination, so rows may be added in parts, and transforms over the same axes
// fitted apart (in other threads, processes or machines) added together with merge(): the result equals one
// fit of all rows up to the rounding of the sums' order. A transform is a value: copies are independent.
//
//   zorv::FTransform fit = zorv::FTransform::forRuleBase(heater, {5}, "triangular");
//   fit.add(rows);                              // x1 .. xn, y per row
//   double y = fit.inverse(std::vector{16.5, -3.0});
class ZORV_API FTransform {
public:
    // One input axis: its context, its node count (at least 2) and the shape of its basic functions
    // ("triangular", "quadratic", "sinusoidal" or "fuzzynumber").
    struct Axis {
        double low = 0.0;
        double high = 1.0;
        int nodes = 10;
        std::string shape = "triangular";
    };

    // Throws Error for axes that make no partition (fewer than two nodes, an empty context, an unknown shape,
    // a node grid beyond 16777216 cells), for no axis and for an output context that is not finite or
    // whose low exceeds its high.
    FTransform(std::vector<Axis> axes, double outputLow, double outputHigh);
    // The axes of a rule base's inputs, with one node count for all or one per input (ShapeError otherwise),
    // and its first output's context.
    static FTransform forRuleBase(const RuleBase& ruleBase, std::span<const int> nodes,
                                  std::string_view shape = "triangular");

    FTransform(const FTransform& other);
    FTransform& operator=(const FTransform& other);
    FTransform(FTransform&&) noexcept;
    FTransform& operator=(FTransform&&) noexcept;
    ~FTransform();

    const std::vector<Axis>& axes() const;
    double outputLow() const;
    double outputHigh() const;
    // The node count of every axis: the shape of the arrays below, the first axis varying fastest.
    std::vector<int> nodes() const;

    // Adds rows of n inputs and the output (n + 1 values a row) to the sums; a row with a value that is not
    // finite is left out. Returns the number of rows added. ShapeError when the values do not make whole rows.
    std::size_t add(std::span<const double> rows);
    // Adds the sums of a transform over the same axes and output context (ShapeError otherwise).
    void merge(const FTransform& other);
    // The sums per node combination; setSums() replaces them (ShapeError for arrays of another size).
    std::vector<double> numerators() const;
    std::vector<double> denominators() const;
    void setSums(std::span<const double> numerators, std::span<const double> denominators);

    // The components (0 where invalid) and whether each is valid (a row reached it).
    std::vector<double> components() const;
    std::vector<bool> valid() const;
    // The reconstruction at one point (n inputs, clamped into their contexts; ShapeError for another count),
    // and at rows.size() / n points into out. A point with a value that is not finite gives NaN.
    double inverse(std::span<const double> x) const;
    void inverseRows(std::span<const double> rows, std::span<double> out) const;

    // Writes the FT-Vector file of the components; FileError when it cannot be written (a previous file
    // stays as it was).
    void writeFTVector(const std::filesystem::path& path) const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace zorv
