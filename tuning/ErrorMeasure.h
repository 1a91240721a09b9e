#pragma once

#include <optional>
#include <span>
#include <string_view>

namespace zorv {

// How the differences between computed and expected outputs over the rows become one number to minimise:
//   rmse = sqrt(sum d^2 / n),  mae = sum |d| / n,  max = max |d|.
// The sums run in row order, so that a value never depends on how the rows were shared among threads.
class ErrorMeasure {
public:
    enum class Kind { rmse, mae, max };

    ErrorMeasure() = default;
    explicit ErrorMeasure(Kind kind) : kind_(kind) {}

    Kind kind() const { return kind_; }
    // "rmse", "mae" or "max".
    std::string_view Name() const;
    static std::optional<ErrorMeasure> Named(std::string_view name);

    // The measure of the differences (computed - expected) of the rows; 0 for no rows.
    double Of(std::span<const double> differences) const;

private:
    Kind kind_ = Kind::rmse;
};

}  // namespace zorv
