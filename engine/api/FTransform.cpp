#include "zorv/FTransform.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "ftransform/command/FTransformContext.h"
#include "ftransform/partition/EFTransformSettings.h"
#include "ftransform/transform/TFTransform.h"
#include "io/EWrite.h"
#include "zorv/Error.h"
#include "zorv/RuleBase.h"

namespace zorv {

namespace {

PartitionSettings partitionOf(const FTransform::Axis& axis, std::size_t index) {
    const auto shape = basicFunctionShapeNamed(axis.shape);
    if (!shape) {
        throw Error("input axis " + std::to_string(index + 1) + ": '" + axis.shape +
                    "' is not one of triangular, quadratic, sinusoidal, fuzzynumber");
    }
    return PartitionSettings{axis.low, axis.high, axis.nodes, *shape};
}

TFTransform makeTransform(const std::vector<FTransform::Axis>& axes, const FTransformContext& output) {
    if (const auto fault = output.outputFault()) throw Error(*fault);
    std::vector<PartitionSettings> partitions;
    for (std::size_t i = 0; i < axes.size(); ++i) partitions.push_back(partitionOf(axes[i], i));
    try {
        TFTransform transform(partitions);
        transform.setDefaultValue(output.midpoint());
        transform.finish();
        return transform;
    } catch (const EFTransformSettings& error) {
        throw Error(error.message());
    }
}

bool allFinite(std::span<const double> values) {
    for (const double v : values) {
        if (!std::isfinite(v)) return false;
    }
    return true;
}

}  // namespace

// The transform is kept finished: every change of the sums computes the components again, so that the
// const reading operations may run on several threads at once.
struct FTransform::Impl {
    Impl(std::vector<Axis> axisList, FTransformContext outputContext)
        : axes(std::move(axisList)), output(outputContext), transform(makeTransform(axes, output)) {}
    Impl(const Impl& other) : axes(other.axes), output(other.output), transform(makeTransform(axes, output)) {
        transform.addSums(other.transform.numerators().values(), other.transform.denominators().values());
        transform.finish();
    }

    std::size_t width() const { return axes.size(); }
    void clampInputs(std::span<const double> x, std::span<double> point) const {
        for (std::size_t i = 0; i < axes.size(); ++i) point[i] = std::clamp(x[i], axes[i].low, axes[i].high);
    }

    std::vector<Axis> axes;
    FTransformContext output;
    TFTransform transform;
};

FTransform::FTransform(std::vector<Axis> axes, double outputLow, double outputHigh)
    : impl_(std::make_unique<Impl>(std::move(axes), FTransformContext{outputLow, outputHigh})) {}

FTransform FTransform::forRuleBase(const RuleBase& ruleBase, std::span<const int> nodes, std::string_view shape) {
    const std::vector<Variable> inputs = ruleBase.inputs();
    const std::vector<Variable> outputs = ruleBase.outputs();
    if (inputs.empty()) throw Error("the rule base has no input variable");
    if (outputs.empty()) throw Error("the rule base has no output variable");
    if (nodes.size() != 1 && nodes.size() != inputs.size()) {
        throw ShapeError("the rule base has " + std::to_string(inputs.size()) + " input variable(s), " +
                         std::to_string(nodes.size()) + " node count(s) given");
    }
    std::vector<Axis> axes;
    for (std::size_t k = 0; k < inputs.size(); ++k) {
        axes.push_back(Axis{inputs[k].low, inputs[k].high, nodes[nodes.size() == 1 ? 0 : k], std::string(shape)});
    }
    return FTransform(std::move(axes), outputs.front().low, outputs.front().high);
}

FTransform::FTransform(const FTransform& other) : impl_(std::make_unique<Impl>(*other.impl_)) {}
FTransform& FTransform::operator=(const FTransform& other) {
    if (this != &other) impl_ = std::make_unique<Impl>(*other.impl_);
    return *this;
}
FTransform::FTransform(FTransform&&) noexcept = default;
FTransform& FTransform::operator=(FTransform&&) noexcept = default;
FTransform::~FTransform() = default;

const std::vector<FTransform::Axis>& FTransform::axes() const { return impl_->axes; }
double FTransform::outputLow() const { return impl_->output.low; }
double FTransform::outputHigh() const { return impl_->output.high; }

std::vector<int> FTransform::nodes() const {
    std::vector<int> counts;
    for (const Axis& axis : impl_->axes) counts.push_back(axis.nodes);
    return counts;
}

std::size_t FTransform::add(std::span<const double> rows) {
    const std::size_t n = impl_->width();
    if (rows.size() % (n + 1) != 0) {
        throw ShapeError(std::to_string(rows.size()) + " value(s) do not make whole rows of " +
                         std::to_string(n + 1) + " (the inputs, then the output)");
    }
    std::vector<double> point(n + 1);
    std::size_t added = 0;
    for (std::size_t at = 0; at < rows.size(); at += n + 1) {
        const auto row = rows.subspan(at, n + 1);
        if (!allFinite(row)) continue;
        impl_->clampInputs(row, point);
        point[n] = impl_->output.clamp(row[n]);
        added += impl_->transform.addPoint(point) ? 1 : 0;
    }
    impl_->transform.finish();
    return added;
}

void FTransform::merge(const FTransform& other) {
    const bool sameAxes = std::equal(impl_->axes.begin(), impl_->axes.end(), other.impl_->axes.begin(),
                                     other.impl_->axes.end(), [](const Axis& a, const Axis& b) {
                                         return a.low == b.low && a.high == b.high && a.nodes == b.nodes &&
                                                a.shape == b.shape;
                                     });
    if (!sameAxes || !(impl_->output == other.impl_->output)) {
        throw ShapeError("the F-transforms to merge have different axes or output contexts");
    }
    impl_->transform.addSums(other.impl_->transform.numerators().values(),
                             other.impl_->transform.denominators().values());
    impl_->transform.finish();
}

std::vector<double> FTransform::numerators() const { return impl_->transform.numerators().values(); }
std::vector<double> FTransform::denominators() const { return impl_->transform.denominators().values(); }

void FTransform::setSums(std::span<const double> numerators, std::span<const double> denominators) {
    const std::size_t cells = impl_->transform.cellCount();
    if (numerators.size() != cells || denominators.size() != cells) {
        throw ShapeError("the sums hold " + std::to_string(numerators.size()) + " and " +
                         std::to_string(denominators.size()) + " value(s); the node grid has " +
                         std::to_string(cells) + " cell(s)");
    }
    impl_->transform.reset();
    impl_->transform.addSums(numerators, denominators);
    impl_->transform.finish();
}

std::vector<double> FTransform::components() const { return impl_->transform.components().values(); }

std::vector<bool> FTransform::valid() const {
    std::vector<bool> flags(impl_->transform.cellCount());
    for (std::size_t cell = 0; cell < flags.size(); ++cell) flags[cell] = impl_->transform.isValid(cell);
    return flags;
}

double FTransform::inverse(std::span<const double> x) const {
    const std::size_t n = impl_->width();
    if (x.size() != n) {
        throw ShapeError("the F-transform has " + std::to_string(n) + " input(s), " + std::to_string(x.size()) +
                         " value(s) given");
    }
    if (!allFinite(x)) return std::numeric_limits<double>::quiet_NaN();
    std::vector<double> point(n);
    impl_->clampInputs(x, point);
    return impl_->transform.inverse(point);
}

void FTransform::inverseRows(std::span<const double> rows, std::span<double> out) const {
    const std::size_t n = impl_->width();
    if (rows.size() != out.size() * n) {
        throw ShapeError(std::to_string(rows.size()) + " input value(s) do not make " + std::to_string(out.size()) +
                         " row(s) of " + std::to_string(n));
    }
    for (std::size_t i = 0; i < out.size(); ++i) out[i] = inverse(rows.subspan(i * n, n));
}

void FTransform::writeFTVector(const std::filesystem::path& path) const {
    try {
        impl_->transform.writeFTVector(path);
    } catch (const EWrite& error) {
        throw FileError(error.what(), path, error.code());
    }
}

}  // namespace zorv
