#include "interchange/ForeignShape.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>

#include "interchange/TextLines.h"

namespace zorv {

namespace {

const std::map<std::string, int, std::less<>>& Counts() {
    static const std::map<std::string, int, std::less<>> kCounts{
        {"Triangle", 3}, {"Trapezoid", 4}, {"Gaussian", 2},         {"GaussianProduct", 4},
        {"Ramp", 2},     {"Rectangle", 2}, {"SShape", 2},           {"ZShape", 2},
        {"PiShape", 4},  {"Sigmoid", 2},   {"Bell", 3},             {"Cosine", 2},
        {"Spike", 2},    {"Concave", 2},   {"SigmoidDifference", 4}, {"SigmoidProduct", 4},
        {"Constant", 1}, {"Discrete", 0}};
    return kCounts;
}

bool Ascending(const std::vector<double>& p, std::size_t count) {
    for (std::size_t i = 1; i < count; ++i)
        if (p[i] < p[i - 1]) return false;
    return true;
}

double Sigmoid(double x, double inflection, double slope) { return 1.0 / (1.0 + std::exp(-slope * (x - inflection))); }

double SmoothStep(double x, double start, double end) {  // S-shaped quadratic from 0 at start to 1 at end
    if (x <= start) return 0.0;
    if (x >= end) return 1.0;
    const double t = (x - start) / (end - start);
    return t <= 0.5 ? 2 * t * t : 1 - 2 * (1 - t) * (1 - t);
}

double Discrete(const std::vector<double>& p, double x) {
    const std::size_t n = p.size() / 2;
    if (n == 0) return 0.0;
    if (x <= p[0]) return p[1];
    for (std::size_t i = 1; i < n; ++i) {
        const double x1 = p[2 * i];
        if (x <= x1) {
            const double x0 = p[2 * i - 2];
            const double y0 = p[2 * i - 1];
            const double y1 = p[2 * i + 1];
            return x1 == x0 ? y1 : y0 + (y1 - y0) * (x - x0) / (x1 - x0);
        }
    }
    return p[2 * n - 1];
}

double Shape(const std::string& s, const std::vector<double>& p, double x) {
    if (s == "Triangle") {
        if (x < p[0] || x > p[2]) return 0.0;
        if (x == p[1]) return 1.0;
        return x < p[1] ? (x - p[0]) / (p[1] - p[0]) : (p[2] - x) / (p[2] - p[1]);
    }
    if (s == "Trapezoid") {
        if (x < p[0] || x > p[3]) return 0.0;
        if (x < p[1]) return (x - p[0]) / (p[1] - p[0]);
        if (x <= p[2]) return 1.0;
        return (p[3] - x) / (p[3] - p[2]);
    }
    if (s == "Gaussian") return std::exp(-(x - p[0]) * (x - p[0]) / (2 * p[1] * p[1]));
    if (s == "GaussianProduct") {
        const double a = x < p[0] ? std::exp(-(x - p[0]) * (x - p[0]) / (2 * p[1] * p[1])) : 1.0;
        const double b = x > p[2] ? std::exp(-(x - p[2]) * (x - p[2]) / (2 * p[3] * p[3])) : 1.0;
        return a * b;
    }
    if (s == "Ramp") {
        if (p[0] == p[1]) return 0.0;
        const double t = (x - p[0]) / (p[1] - p[0]);
        return std::clamp(t, 0.0, 1.0);
    }
    if (s == "Rectangle") return x >= p[0] && x <= p[1] ? 1.0 : 0.0;
    if (s == "SShape") return SmoothStep(x, p[0], p[1]);
    if (s == "ZShape") return 1.0 - SmoothStep(x, p[0], p[1]);
    if (s == "PiShape") return std::min(SmoothStep(x, p[0], p[1]), 1.0 - SmoothStep(x, p[2], p[3]));
    if (s == "Sigmoid") return Sigmoid(x, p[0], p[1]);
    if (s == "Bell") return 1.0 / (1.0 + std::pow(std::fabs((x - p[0]) / p[1]), 2 * p[2]));
    if (s == "Cosine") {
        if (x < p[0] - p[1] / 2 || x > p[0] + p[1] / 2) return 0.0;
        return 0.5 * (1.0 + std::cos(2.0 / p[1] * std::numbers::pi * (x - p[0])));
    }
    if (s == "Spike") return std::exp(-std::fabs(10.0 / p[1] * (x - p[0])));
    if (s == "Concave") {
        if (p[0] <= p[1]) return x < p[1] ? (p[1] - p[0]) / (2 * p[1] - p[0] - x) : 1.0;
        return x > p[1] ? (p[0] - p[1]) / (-2 * p[1] + p[0] + x) : 1.0;
    }
    if (s == "SigmoidDifference") return std::fabs(Sigmoid(x, p[0], p[1]) - Sigmoid(x, p[3], p[2]));
    if (s == "SigmoidProduct") return Sigmoid(x, p[0], p[1]) * Sigmoid(x, p[3], p[2]);
    if (s == "Constant") return p[0];
    return Discrete(p, x);
}

}  // namespace

std::string ForeignShape::Canonical(const std::string& shape) {
    if (TextLines::SameIgnoringCase(shape, "Linear")) return "Linear";
    for (const auto& entry : Counts())
        if (TextLines::SameIgnoringCase(shape, entry.first)) return entry.first;
    return shape;
}

std::optional<int> ForeignShape::ParameterCount(const std::string& shape) {
    const auto it = Counts().find(shape);
    if (it == Counts().end()) return std::nullopt;
    return it->second;
}

std::optional<double> ForeignShape::Height(const ForeignTerm& term) {
    const auto count = ParameterCount(term.shape);
    if (!count) return std::nullopt;
    const std::size_t n = term.params.size();
    if (term.shape == "Discrete") {
        if (n < 2) return std::nullopt;
        return n % 2 == 1 ? term.params.back() : 1.0;
    }
    if (term.shape == "Constant") return n == 1 ? std::optional<double>(1.0) : std::nullopt;
    if (n == static_cast<std::size_t>(*count)) return 1.0;
    if (n == static_cast<std::size_t>(*count) + 1) return term.params.back();
    return std::nullopt;
}

std::optional<UserShape> ForeignShape::Exact(const ForeignTerm& term, std::string& reason) {
    const std::vector<double>& p = term.params;
    if (!ParameterCount(term.shape)) {
        reason = "it has no counterpart among the user term shapes (triangle, trapezoid, Gaussian)";
        return std::nullopt;
    }
    if (!Height(term)) {
        reason = "wrong number of parameters for " + term.shape;
        return std::nullopt;
    }
    if (term.shape == "Triangle" || term.shape == "Trapezoid") {
        const std::size_t n = term.shape == "Triangle" ? 3 : 4;
        if (!Ascending(p, n)) {
            reason = "its points decrease";
            return std::nullopt;
        }
        return UserShape{term.shape == "Triangle" ? "triang" : "trapezoid", {p.begin(), p.begin() + static_cast<std::ptrdiff_t>(n)}};
    }
    if (term.shape == "Gaussian" || term.shape == "GaussianProduct") {
        const bool product = term.shape == "GaussianProduct";
        const double m1 = p[0];
        const double s1 = p[1];
        const double m2 = product ? p[2] : p[0];
        const double s2 = product ? p[3] : p[1];
        if (!(s1 > 0) || !(s2 > 0)) {
            reason = "its width is not positive";
            return std::nullopt;
        }
        if (!std::isfinite(2 * s1 * s1) || !std::isfinite(2 * s2 * s2)) {
            reason = "its width is too large";
            return std::nullopt;
        }
        if (m1 > m2) {
            reason = "its left mean lies right of its right mean, so it never reaches 1";
            return std::nullopt;
        }
        return UserShape{"gaussian", {2 * s1 * s1, m1, m2, 2 * s2 * s2}};
    }
    reason = "it has no counterpart among the user term shapes (triangle, trapezoid, Gaussian)";
    return std::nullopt;
}

std::optional<double> ForeignShape::Membership(const ForeignTerm& term, double x) {
    const auto height = Height(term);
    if (!height) return std::nullopt;
    const double value = Shape(term.shape, term.params, x);
    if (!std::isfinite(value)) return 0.0;
    return term.shape == "Constant" ? value : *height * value;
}

std::optional<std::pair<double, double>> ForeignShape::Span(const ForeignTerm& term) {
    if (!Height(term)) return std::nullopt;
    const std::vector<double>& p = term.params;
    const std::string& s = term.shape;
    if (s == "Gaussian") return std::pair{p[0] - 3 * std::fabs(p[1]), p[0] + 3 * std::fabs(p[1])};
    if (s == "GaussianProduct")
        return std::pair{std::min(p[0] - 3 * std::fabs(p[1]), p[2]), std::max(p[0], p[2] + 3 * std::fabs(p[3]))};
    std::vector<double> points;
    if (s == "Discrete") {
        for (std::size_t i = 0; i + 1 < p.size(); i += 2) points.push_back(p[i]);
    } else if (s == "Triangle" || s == "Trapezoid" || s == "Ramp" || s == "Rectangle" || s == "SShape" ||
               s == "ZShape" || s == "PiShape" || s == "Constant") {
        points.assign(p.begin(), p.begin() + *ParameterCount(s));
    }
    if (points.empty()) return std::nullopt;
    const auto [low, high] = std::minmax_element(points.begin(), points.end());
    return std::pair{*low, *high};
}

std::vector<double> ForeignShape::Breakpoints(const UserShape& shape) {
    if (shape.type == "gaussian") return {shape.params[1], shape.params[2]};
    return shape.params;
}

}  // namespace zorv
