#include <pybind11/stl.h>
#include <pybind11/stl/filesystem.h>

#include <cmath>

#include "Bindings.h"
#include "zorv/Error.h"
#include "zorv/FTransform.h"
#include "zorv/RuleBase.h"

namespace zorv::python {

namespace {

using AxisTuple = std::tuple<double, double, int, std::string>;

std::vector<FTransform::Axis> axesOf(const std::vector<AxisTuple>& tuples) {
    std::vector<FTransform::Axis> axes;
    for (const auto& [low, high, nodes, shape] : tuples) axes.push_back({low, high, nodes, shape});
    return axes;
}

std::vector<AxisTuple> tuplesOf(const FTransform& t) {
    std::vector<AxisTuple> tuples;
    for (const auto& a : t.axes()) tuples.emplace_back(a.low, a.high, a.nodes, a.shape);
    return tuples;
}

// An array over the node grid: the first axis varies fastest, so arr[i, j] is node i of the first input and
// node j of the second (Fortran order).
template <class T>
py::array_t<T> gridArray(const FTransform& t, const std::vector<T>& values) {
    std::vector<py::ssize_t> shape;
    std::vector<py::ssize_t> strides;
    py::ssize_t stride = sizeof(T);
    for (const int n : t.nodes()) {
        shape.push_back(n);
        strides.push_back(stride);
        stride *= n;
    }
    py::array_t<T> out(shape, strides);
    std::copy(values.begin(), values.end(), out.mutable_data());
    return out;
}

using GridValues = py::array_t<double, py::array::f_style | py::array::forcecast>;

std::span<const double> flat(const GridValues& a) { return {a.data(), static_cast<std::size_t>(a.size())}; }

std::span<const double> valuesOf(const Rows& rows) { return {rows.data(), static_cast<std::size_t>(rows.size())}; }

py::array_t<double> inverseMany(const FTransform& t, const Rows& rows) {
    const std::size_t n = rowCount(rows, t.axes().size(), "inputs");
    py::array_t<double> out(static_cast<py::ssize_t>(n));
    const std::span<double> values(out.mutable_data(), n);
    const py::gil_scoped_release release;
    t.inverseRows(valuesOf(rows), values);
    return out;
}

// The largest |y - reconstruction| over the rows that hold finite numbers, as `zorv ftransform` prints it;
// None when no row does.
std::optional<double> maxError(const FTransform& t, const Rows& rows) {
    const std::size_t width = t.axes().size() + 1;
    const std::size_t n = rowCount(rows, width, "inputs and the output");
    std::optional<double> largest;
    for (std::size_t i = 0; i < n; ++i) {
        const std::span<const double> row = valuesOf(rows).subspan(i * width, width);
        const double y = row[width - 1];
        const double reconstruction = t.inverse(row.first(width - 1));
        if (!std::isfinite(y) || !std::isfinite(reconstruction)) continue;
        largest = std::max(largest.value_or(0.0), std::fabs(y - reconstruction));
    }
    return largest;
}

std::string repr(const FTransform& t) {
    std::string nodes;
    for (const int n : t.nodes()) nodes += (nodes.empty() ? "" : " x ") + std::to_string(n);
    std::size_t valid = 0;
    for (const bool v : t.valid()) valid += v ? 1 : 0;
    return "<zorv.FTransform " + nodes + " nodes, " + t.axes().front().shape + ", " + std::to_string(valid) + " of " +
           std::to_string(t.valid().size()) + " components valid>";
}

constexpr const char* kDoc = R"(The direct F-transform of data rows over uniform fuzzy partitions of the input
contexts, and its inverse, as `zorv ftransform` computes them.

With A_k(x) the product of the axes' basic functions of node combination k, the rows (x_j, y_j) give
    F_k = sum_j A_k(x_j) y_j / sum_j A_k(x_j)     (invalid where no row reaches k)
and the inverse reconstructs f(x) = sum_k A_k(x) v_k, v_k = F_k where valid, else the midpoint of the output
context. Inputs are clamped into their contexts, outputs into the output context.

The two sums are kept per node combination, so rows may be added in parts (add) and transforms fitted apart
added together (merge, or set_sums with summed numerators and denominators): that is how zorv.dask fits
data spread over workers. Arrays over the node grid have one dimension per input, node i of the first input
at index i of the first dimension. An FTransform pickles and copies.

>>> fit = zorv.FTransform.for_rule_base(heater, nodes=5)
>>> fit.add(data)                  # rows: x1 .. xn, y
>>> fit.components, fit.inverse([16.5, -3.0]))";

}  // namespace

void bindFTransform(py::module_& m) {
    py::class_<FTransform>(m, "FTransform", kDoc)
        .def(py::init([](const std::vector<AxisTuple>& axes, std::pair<double, double> output) {
                 return FTransform(axesOf(axes), output.first, output.second);
             }),
             py::arg("axes"), py::arg("output"),
             "axes: one (low, high, nodes, shape) per input, shape one of 'triangular', 'quadratic', "
             "'sinusoidal', 'fuzzynumber'; output: the output context (low, high). Raises zorv.Error for axes "
             "that make no partition (fewer than two nodes, an empty context) or a grid beyond 16777216 cells.")
        .def_static(
            "for_rule_base",
            [](const RuleBase& r, const py::object& nodes, std::string_view shape) {
                const std::vector<int> counts =
                    py::isinstance<py::int_>(nodes) ? std::vector<int>{nodes.cast<int>()} : nodes.cast<std::vector<int>>();
                return FTransform::forRuleBase(r, counts, shape);
            },
            py::arg("rule_base"), py::arg("nodes") = 10, py::arg("shape") = "triangular",
            "The axes of a rule base's inputs with nodes nodes each (or a list, one count per input; "
            "zorv.ShapeError otherwise) and its first output's context, as `zorv ftransform` makes them.")
        .def_property_readonly("axes", &tuplesOf, "One (low, high, nodes, shape) per input.")
        .def_property_readonly("output", [](const FTransform& t) { return std::make_pair(t.outputLow(), t.outputHigh()); },
                               "The output context (low, high).")
        .def_property_readonly("nodes", &FTransform::nodes, "The node count of every input axis.")
        .def(
            "add", [](FTransform& t, const Rows& rows) { return t.add(valuesOf(rows)); }, py::arg("rows"),
            "Adds data rows, an array (n, inputs + 1) of the inputs and the output, to the sums; rows holding NaN "
            "or an infinity are left out. Returns the number of rows added.")
        .def("merge", &FTransform::merge, py::arg("other"),
             "Adds the sums of a transform over the same axes and output context (zorv.ShapeError otherwise).")
        .def_property_readonly("numerators", [](const FTransform& t) { return gridArray(t, t.numerators()); },
                               "The sums of weight times output per node combination.")
        .def_property_readonly("denominators", [](const FTransform& t) { return gridArray(t, t.denominators()); },
                               "The sums of weights per node combination.")
        .def(
            "set_sums",
            [](FTransform& t, const GridValues& numerators, const GridValues& denominators) {
                t.setSums(flat(numerators), flat(denominators));
            },
            py::arg("numerators"), py::arg("denominators"),
            "Replaces the sums by arrays over the node grid (as numerators and denominators give them).")
        .def_property_readonly("components", [](const FTransform& t) { return gridArray(t, t.components()); },
                               "The components, 0 where invalid.")
        .def_property_readonly(
            "valid",
            [](const FTransform& t) {
                const std::vector<bool> flags = t.valid();
                return gridArray(t, std::vector<std::uint8_t>(flags.begin(), flags.end())).attr("astype")("bool");
            },
            "Whether each component is valid: some row reached its node combination.")
        .def(
            "inverse", [](const FTransform& t, const std::vector<double>& x) { return t.inverse(x); }, py::arg("x"),
            "The reconstruction at one point (one value per input, clamped into its context).")
        .def("inverse_many", &inverseMany, py::arg("rows"),
             "The reconstruction at every row of an array (n, inputs), without the GIL; NaN for a row holding NaN.")
        .def("max_error", &maxError, py::arg("rows"),
             "The largest |y - reconstruction| over rows (n, inputs + 1) of inputs and output, left out rows "
             "holding NaN; None when every row does.")
        .def("write_ftv", &FTransform::writeFTVector, py::arg("path"),
             "Writes the components to an FT-Vector file (.ftv); zorv.FileError when it cannot be written.")
        .def(py::pickle(
            [](const FTransform& t) {
                return py::make_tuple(tuplesOf(t), std::make_pair(t.outputLow(), t.outputHigh()),
                                      gridArray(t, t.numerators()), gridArray(t, t.denominators()));
            },
            [](const py::tuple& state) {
                const auto output = state[1].cast<std::pair<double, double>>();
                FTransform t(axesOf(state[0].cast<std::vector<AxisTuple>>()), output.first, output.second);
                t.setSums(flat(state[2].cast<GridValues>()), flat(state[3].cast<GridValues>()));
                return t;
            }))
        .def("__copy__", [](const FTransform& t) { return t; })
        .def("__deepcopy__", [](const FTransform& t, const py::dict&) { return t; }, py::arg("memo"))
        .def("__repr__", &repr);
}

}  // namespace zorv::python
