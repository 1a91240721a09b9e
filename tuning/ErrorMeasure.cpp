#include "tuning/ErrorMeasure.h"

#include <cmath>

namespace zorv {

std::string_view ErrorMeasure::Name() const {
    switch (kind_) {
        case Kind::mae:
            return "mae";
        case Kind::max:
            return "max";
        case Kind::rmse:
            break;
    }
    return "rmse";
}

std::optional<ErrorMeasure> ErrorMeasure::Named(std::string_view name) {
    for (const Kind kind : {Kind::rmse, Kind::mae, Kind::max}) {
        if (ErrorMeasure(kind).Name() == name) return ErrorMeasure(kind);
    }
    return std::nullopt;
}

double ErrorMeasure::Of(std::span<const double> differences) const {
    if (differences.empty()) return 0.0;
    double total = 0.0;
    for (const double d : differences) {
        if (kind_ == Kind::rmse) {
            total += d * d;
        } else if (kind_ == Kind::mae) {
            total += std::fabs(d);
        } else {
            total = std::fmax(total, std::fabs(d));
        }
    }
    if (kind_ == Kind::max) return total;
    const double mean = total / static_cast<double>(differences.size());
    return kind_ == Kind::rmse ? std::sqrt(mean) : mean;
}

}  // namespace zorv
