#include "inference/methods/PerceptionThreshold.h"

namespace zorv {

namespace {

constexpr double kTypicalShare = 0.4;

double Level(double upper, double lower, double distance, double span) {
    return lower + (upper - lower) * distance / span;
}

}  // namespace

double PerceptionLevel(const AntecedentContext& context, double x, double upper, double lower) {
    const double c = context.low;
    const double h = context.high;
    if (!context.symmetric) {
        const double p = c + kTypicalShare * (h - c);
        return x < p ? Level(upper, lower, p - x, p - c) : Level(upper, lower, x - p, h - p);
    }
    const double p = kTypicalShare * h;
    if (x >= 0) return x < p ? Level(upper, lower, p - x, p) : Level(upper, lower, x - p, h - p);
    const double q = -p;
    return x > q ? Level(upper, lower, x - q, 0 - q) : Level(upper, lower, x - q, c - q);
}

double PerceptionThreshold(std::span<const AntecedentContext> contexts, const double* inputs, double upper,
                           double lower) {
    double t = 1.0;
    for (std::size_t k = 0; k < contexts.size(); ++k) {
        const double l = PerceptionLevel(contexts[k], inputs[k], upper, lower);
        if (l < t) t = l;
    }
    return t;
}

}  // namespace zorv
