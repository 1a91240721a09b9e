#include "interchange/ShapeApproximation.h"

#include <algorithm>
#include <vector>

namespace zorv {

namespace {

struct Samples {
    std::vector<double> x;
    std::vector<double> mu;
};

std::optional<Samples> Sample(const ForeignTerm& term, double low, double high) {
    Samples s;
    const int n = ShapeApproximation::kSamples;
    for (int j = 0; j < n; ++j) {
        const double x = j == n - 1 ? high : low + j * (high - low) / (n - 1);
        const auto mu = ForeignShape::Membership(term, x);
        if (!mu) return std::nullopt;
        s.x.push_back(x);
        s.mu.push_back(std::clamp(*mu, 0.0, 1.0));
    }
    return s;
}

// The x where the samples between i and the neighbour j cross level (linear interpolation).
double Crossing(const Samples& s, std::size_t i, std::size_t j, double level) {
    const double a = s.mu[i];
    const double b = s.mu[j];
    if (a == b) return s.x[i];
    return s.x[i] + (level - a) / (b - a) * (s.x[j] - s.x[i]);
}

}  // namespace

std::optional<UserShape> ShapeApproximation::NearestTrapezoid(const ForeignTerm& term, double low, double high) {
    const auto s = Sample(term, low, high);
    if (!s) return std::nullopt;
    const auto peak = std::max_element(s->mu.begin(), s->mu.end());
    const double top = *peak;
    if (!(top > 0.0)) return std::nullopt;
    const std::size_t n = s->mu.size();
    const std::size_t first = static_cast<std::size_t>(peak - s->mu.begin());
    std::size_t last = first;
    while (last + 1 < n && s->mu[last + 1] >= top) ++last;
    const double width = high - low;
    // Left side: walk down from the first maximum.
    double a = low - width;
    double b = low - width;
    {
        std::size_t i = first;
        while (i > 0 && s->mu[i - 1] >= 0.9 * top) --i;
        const double x90 = i > 0 ? Crossing(*s, i - 1, i, 0.9 * top) : s->x[0];
        while (i > 0 && s->mu[i - 1] >= 0.1 * top) --i;
        if (i > 0) {
            const double x10 = Crossing(*s, i - 1, i, 0.1 * top);
            a = x10 - (x90 - x10) / 8;
            b = x90 + (x90 - x10) / 8;
        }
    }
    double c = high + width;
    double d = high + width;
    {
        std::size_t i = last;
        while (i + 1 < n && s->mu[i + 1] >= 0.9 * top) ++i;
        const double x90 = i + 1 < n ? Crossing(*s, i, i + 1, 0.9 * top) : s->x[n - 1];
        while (i + 1 < n && s->mu[i + 1] >= 0.1 * top) ++i;
        if (i + 1 < n) {
            const double x10 = Crossing(*s, i, i + 1, 0.1 * top);
            c = x90 - (x10 - x90) / 8;
            d = x10 + (x10 - x90) / 8;
        }
    }
    b = std::min(b, c);
    return UserShape{"trapezoid", {std::min(a, b), b, c, std::max(c, d)}};
}

std::optional<double> ShapeApproximation::Centroid(const ForeignTerm& term, double low, double high) {
    const auto s = Sample(term, low, high);
    if (!s) return std::nullopt;
    double moment = 0.0;
    double weight = 0.0;
    for (std::size_t j = 0; j < s->x.size(); ++j) {
        moment += s->x[j] * s->mu[j];
        weight += s->mu[j];
    }
    if (!(weight > 0.0)) return std::nullopt;
    return moment / weight;
}

}  // namespace zorv
