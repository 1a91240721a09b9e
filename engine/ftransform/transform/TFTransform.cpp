#include "ftransform/transform/TFTransform.h"

#include "ftransform/partition/EFTransformSettings.h"
#include "ftransform/transform/TFTVectorWriter.h"
#include "ftransform/transform/TNeighbourhood.h"
#include "text/NumberText.h"

#include <cmath>
#include <stdexcept>

namespace zorv {

static_assert(TFTransform::kMaxCells <= (std::size_t{1} << TNeighbourhood::kMaxAxes),
              "with at least two nodes per axis the cell bound must keep the axes within the walk's capacity");

namespace {

std::vector<TFuzzyCovering> makeAxes(std::span<const PartitionSettings> settings) {
    if (settings.empty()) {
        throw EFTransformSettings("An F-transform needs at least one input variable.");
    }
    std::vector<TFuzzyCovering> axes;
    axes.reserve(settings.size());
    for (std::size_t i = 0; i < settings.size(); ++i) {
        if (const auto fault = settings[i].fault()) {
            throw EFTransformSettings("Input variable " + NumberText::integer(static_cast<long long>(i) + 1) + ": " +
                                          *fault,
                                      static_cast<int>(i));
        }
        axes.emplace_back(settings[i]);
    }
    return axes;
}

// The node counts of the axes, refused when their product exceeds the cell bound.
std::vector<int> gridSizes(const std::vector<TFuzzyCovering>& axes) {
    std::vector<int> sizes;
    double cells = 1.0;
    for (const auto& axis : axes) {
        sizes.push_back(axis.nodes());
        cells *= axis.nodes();
    }
    if (cells > static_cast<double>(TFTransform::kMaxCells)) {
        throw EFTransformSettings("The node grid would have " + NumberText::general(cells) +
                                  " cells; at most " + NumberText::integer(TFTransform::kMaxCells) +
                                  " are allowed. Choose fewer nodes.");
    }
    return sizes;
}

}  // namespace

TFTransform::TFTransform(std::span<const PartitionSettings> settings)
    : axes_(makeAxes(settings)),
      numerators_(gridSizes(axes_)),
      denominators_(numerators_.sizes()),
      components_(numerators_.sizes()),
      valid_(numerators_.sizes()),
      strides_(numerators_.strides()) {}

int TFTransform::maxNodesPerAxis(int dimensions) {
    if (dimensions < 1) {
        return 0;
    }
    const auto fits = [dimensions](long long m) {
        long double cells = 1;
        for (int i = 0; i < dimensions; ++i) {
            cells *= static_cast<long double>(m);
        }
        return cells <= static_cast<long double>(kMaxCells);
    };
    long long m = static_cast<long long>(std::pow(static_cast<double>(kMaxCells), 1.0 / dimensions));
    while (m > 1 && !fits(m)) {
        --m;
    }
    while (fits(m + 1)) {
        ++m;
    }
    return m >= 2 ? static_cast<int>(m) : 0;
}

void TFTransform::reset() {
    numerators_.clear();
    denominators_.clear();
    valid_.clear();
}

bool TFTransform::addPoint(std::span<const double> point) {
    const std::size_t n = axes_.size();
    if (point.size() != n + 1) {
        throw std::invalid_argument("A data point needs one value per input and the output.");
    }
    for (const double v : point) {
        if (!std::isfinite(v)) {
            return false;
        }
    }
    const double y = point[n];
    for (TNeighbourhood walk(axes_, strides_, point.data()); !walk.done(); walk.next()) {
        const double w = walk.weight();
        numerators_.at(walk.cell()) += w * y;
        denominators_.at(walk.cell()) += w;
    }
    return true;
}

void TFTransform::addSums(std::span<const double> numerators, std::span<const double> denominators) {
    if (numerators.size() != numerators_.total() || denominators.size() != denominators_.total()) {
        throw std::invalid_argument("The sums do not match the node grid of the F-transform.");
    }
    for (std::size_t cell = 0; cell < numerators.size(); ++cell) {
        numerators_.at(cell) += numerators[cell];
        denominators_.at(cell) += denominators[cell];
    }
}

void TFTransform::finish() {
    for (std::size_t cell = 0; cell < components_.total(); ++cell) {
        const double denominator = denominators_.at(cell);
        const bool reached = denominator != 0.0;
        components_.at(cell) = reached ? numerators_.at(cell) / denominator : 0.0;
        valid_.at(cell) = reached ? 1.0 : 0.0;
    }
}

double TFTransform::inverse(std::span<const double> x) const {
    if (x.size() < axes_.size()) {
        throw std::invalid_argument("The inverse F-transform needs one value per input.");
    }
    double sum = 0.0;
    for (TNeighbourhood walk(axes_, strides_, x.data()); !walk.done(); walk.next()) {
        const std::size_t cell = walk.cell();
        const double v = valid_.at(cell) > 0.0 ? components_.at(cell) : defaultValue_;
        sum += walk.weight() * v;
    }
    return sum;
}

void TFTransform::writeFTVector(const std::filesystem::path& path) const {
    TFTVectorWriter::writeFile(*this, path);
}

}  // namespace zorv
