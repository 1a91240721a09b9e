#pragma once

#include <cstdint>
#include <span>
#include <utility>
#include <vector>

namespace zorv {

// Data rows a tuning fits: per row one input value per input variable and the expected value of the
// first output variable, as the data table's rows hold them.
class TuningRows {
public:
    explicit TuningRows(int inputCount) : inputCount_(inputCount) {}

    int InputCount() const { return inputCount_; }
    int Count() const { return static_cast<int>(expected_.size()); }
    bool Empty() const { return expected_.empty(); }

    // inputs holds InputCount() values.
    void Add(std::span<const double> inputs, double expected);
    std::span<const double> Inputs(int row) const;
    double Expected(int row) const { return expected_[static_cast<std::size_t>(row)]; }
    // Every row's inputs, one row after another.
    const std::vector<double>& AllInputs() const { return inputs_; }

    // Sets aside a share of the rows (rounded to the nearest count) chosen at random by seed as a hold-out:
    // (the rows to fit, the hold-out), each in the order the rows came. A share of 0 keeps every row.
    std::pair<TuningRows, TuningRows> Split(double share, std::uint64_t seed) const;

private:
    TuningRows Subset(const std::vector<std::uint8_t>& chosen, bool which) const;

    int inputCount_;
    std::vector<double> inputs_;
    std::vector<double> expected_;
};

}  // namespace zorv
