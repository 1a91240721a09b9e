#include "interchange/ImportedVariable.h"

#include <algorithm>
#include <cmath>

#include "fuzzy/sets/CFuzzyParamSetFactory.h"
#include "interchange/ForeignNames.h"
#include "interchange/GridChooser.h"
#include "interchange/ShapeApproximation.h"
#include "text/NumberText.h"

namespace zorv {

namespace {

std::string ShapeText(const UserShape& shape) {
    std::string text = shape.type;
    for (const double p : shape.params) text.append(" ").append(NumberText::file(p));
    return text;
}

std::string TermLabel(const ForeignVariable& v, const ForeignTerm& t) {
    return "term \"" + t.name + "\" of \"" + v.name + "\" (" + t.shape + ")";
}

// A point list written by our exporter from a user term: the user term (its shape stated beside the list) when
// sampling it gives the listed points.
std::optional<UserShape> Origin(const ForeignTerm& t, double low, double high) {
    if (t.shape != "Discrete" || t.params.size() % 2 != 0) return std::nullopt;
    if (paramCountOf(t.originShape) != static_cast<int>(t.originParams.size())) return std::nullopt;
    const UserShape shape{t.originShape, t.originParams};
    const auto set = createParamSet(shape.type, shape.params.data(), low, high);
    if (!set) return std::nullopt;
    for (std::size_t i = 0; i + 1 < t.params.size(); i += 2) {
        if (!(std::fabs(set->membership(t.params[i]) - t.params[i + 1]) <= 1e-12)) return std::nullopt;
    }
    return shape;
}

// The term our FIS export adds for rules without condition: stated as "undef", 1 at every point.
bool IsFree(const ForeignTerm& t) {
    if (t.shape != "Discrete" || t.originShape != "undef" || t.params.size() % 2 != 0) return false;
    for (std::size_t i = 1; i < t.params.size(); i += 2)
        if (t.params[i] != 1.0) return false;
    return true;
}

// A Gaussian sampled on a grid and interpolated linearly errs by up to h^2 / (8 s^2) for a grid step h and a
// width s: ten steps a width keep that below 0.13 %.
constexpr double kStepsPerWidth = 10;

double NarrowestWidth(const UserShape& gaussian) {  // parameters 2 s1^2, m1, m2, 2 s2^2
    return std::sqrt(std::min(gaussian.params[0], gaussian.params[3]) / 2);
}

// The intervals of the grid that samples the Gaussian closely enough (0 when it lies outside the range); none
// when not even the finest grid does.
std::optional<int> GaussianIntervals(const ForeignVariable& v, const UserShape& gaussian) {
    const std::vector<double>& p = gaussian.params;
    const double s = NarrowestWidth(gaussian);
    if (p[1] - 3 * std::sqrt(p[0] / 2) >= v.high || p[2] + 3 * std::sqrt(p[3] / 2) <= v.low) return 0;
    const double intervals = std::ceil(kStepsPerWidth * (v.high - v.low) / s);
    if (!(intervals <= GridChooser::kMaxIntervals)) return std::nullopt;
    return static_cast<int>(intervals);
}

std::string NarrowGaussian(const ForeignVariable& v, const UserShape& gaussian) {
    return ": its width " + NumberText::file(NarrowestWidth(gaussian)) + " is less than ten steps of the finest grid (" +
           std::to_string(GridChooser::kMaxIntervals + 1) + " points over " + NumberText::file(v.low) + " .. " +
           NumberText::file(v.high) + "), on which its samples would make a broader peak";
}

// The highest sample of a triangle or trapezoid whose kernel lies in the range, on a grid of that many points
// (1 for other terms). A term narrower than a grid step can fall between the grid points, or onto one within
// rounding when the range is vast, and vanish from its samples.
double SampledPeak(const UserShape& shape, double low, double high, int points) {
    const std::vector<double>& p = shape.params;
    if ((shape.type != "triang" && shape.type != "trapezoid") || p[p.size() - 2] < low || p[1] > high) return 1.0;
    const auto set = createParamSet(shape.type, p.data(), low, high);
    if (!set) return 1.0;
    const double step = (high - low) / (points - 1);
    const double last = points - 1;
    const double from = std::clamp(std::floor((std::max(p.front(), low) - low) / step), 0.0, last);
    const double to = std::clamp(std::ceil((std::min(p.back(), high) - low) / step), from, last);
    double peak = 0.0;
    for (double k = from; k <= to; ++k) peak = std::max(peak, set->membership(k == last ? high : low + k * step));
    return peak;
}

std::optional<UserShape> MapTerm(const ForeignVariable& v, const ForeignTerm& t, ImportIssues& issues) {
    if (const auto origin = Origin(t, v.low, v.high)) return origin;
    const auto height = ForeignShape::Height(t);
    if (height && *height != 1.0 &&
        !issues.Replace(t.line, TermLabel(v, t) + std::string(" has height ") + NumberText::file(*height), "height 1"))
        return std::nullopt;
    std::string reason;
    if (auto exact = ForeignShape::Exact(t, reason)) return exact;
    const auto nearest = ShapeApproximation::NearestTrapezoid(t, v.low, v.high);
    if (!nearest) {
        issues.Refuse(t.line, TermLabel(v, t) + ": " + reason);
        return std::nullopt;
    }
    if (!issues.Replace(t.line, TermLabel(v, t) + ": " + reason, "the " + ShapeText(*nearest)))
        return std::nullopt;
    return nearest;
}

}  // namespace

ImportedVariable ImportedVariable::Of(const ForeignVariable& v, const std::string& name, ImportIssues& issues) {
    ImportedVariable out;
    out.name = name;
    out.low = v.low;
    out.high = v.high;
    std::vector<std::string> foreignNames;
    for (const ForeignTerm& t : v.terms) foreignNames.push_back(t.name);
    std::vector<ForeignNames::Renaming> renamed;
    out.termNames = ForeignNames::TermNames(foreignNames, renamed);
    for (const auto& r : renamed)
        issues.Note(v.line, "term \"" + r.from + "\" of \"" + v.name + "\" is named \"" + r.to + "\"");
    std::vector<double> breakpoints;
    bool curved = false;
    int gaussianIntervals = 0;
    for (std::size_t i = 0; i < v.terms.size(); ++i) {
        const ForeignTerm& t = v.terms[i];
        out.free.push_back(IsFree(t));
        if (out.free.back()) {
            out.termNames[i] = "undef";
            out.shapes.emplace_back();
            continue;
        }
        out.shapes.push_back(MapTerm(v, t, issues));
        if (!out.shapes.back()) continue;
        const auto points = ForeignShape::Breakpoints(*out.shapes.back());
        breakpoints.insert(breakpoints.end(), points.begin(), points.end());
        curved = curved || out.shapes.back()->type == "gaussian" || out.shapes.back()->type == "quadratic";
        if (out.shapes.back()->type == "gaussian") {
            const auto intervals = GaussianIntervals(v, *out.shapes.back());
            if (!intervals && !issues.Replace(t.line, TermLabel(v, t) + NarrowGaussian(v, *out.shapes.back()),
                                              "it sampled at " + std::to_string(GridChooser::kMaxIntervals + 1) + " points"))
                out.shapes.back().reset();
            gaussianIntervals = std::max(gaussianIntervals, intervals.value_or(GridChooser::kMaxIntervals));
        }
    }
    const int minIntervals = curved ? std::max(GridChooser::kSmoothIntervals, gaussianIntervals) : GridChooser::kMinIntervals;
    const GridChooser::Choice grid = GridChooser::Choose(v.low, v.high, breakpoints, minIntervals);
    out.discretization = grid.points;
    for (std::size_t i = 0; i < out.shapes.size(); ++i) {
        if (!out.shapes[i]) continue;
        const double peak = SampledPeak(*out.shapes[i], v.low, v.high, grid.points);
        if (peak >= 0.5) continue;
        const ForeignTerm& t = v.terms[i];
        if (!issues.Replace(t.line, TermLabel(v, t) + ": it is narrower than a step of the grid (" +
                                        std::to_string(grid.points) + " points over " + NumberText::file(v.low) + " .. " +
                                        NumberText::file(v.high) + "), whose samples of it reach only " +
                                        NumberText::file(peak),
                            "those samples"))
            out.shapes[i].reset();
    }
    std::string note = "\"" + name + "\" is sampled at " + std::to_string(grid.points) + " points";
    if (!grid.offGrid.empty()) {
        note += "; the breakpoints";
        for (const double p : grid.offGrid) note.append(" ").append(NumberText::file(p));
        note += " fall between grid points, where the terms are interpolated linearly";
    }
    issues.Note(v.line, note);
    return out;
}

}  // namespace zorv
