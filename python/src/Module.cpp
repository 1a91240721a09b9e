#include "Bindings.h"

#include <cmath>

#include "zorv/Error.h"
#include "zorv/Version.h"

namespace zorv::python {

py::tuple sampledSet(double low, double high, const std::vector<double>& mu) {
    const auto n = static_cast<py::ssize_t>(mu.size());
    py::array_t<double> x(n);
    py::array_t<double> y(n);
    auto xs = x.mutable_unchecked<1>();
    auto ys = y.mutable_unchecked<1>();
    for (py::ssize_t j = 0; j < n; ++j) {
        // j (high - low) overflows on a context near the largest doubles; the step is taken first there.
        const double spread = static_cast<double>(j) * (high - low);
        xs(j) = j == n - 1            ? high
                : std::isfinite(spread) ? low + spread / static_cast<double>(n - 1)
                                        : low + static_cast<double>(j) * ((high - low) / static_cast<double>(n - 1));
        ys(j) = mu[static_cast<std::size_t>(j)];
    }
    return py::make_tuple(x, y);
}

std::size_t rowCount(const Rows& rows, std::size_t width, const std::string& what) {
    const bool flat = rows.ndim() == 1 && width == 1;
    if (!flat && (rows.ndim() != 2 || static_cast<std::size_t>(rows.shape(1)) != width)) {
        throw ShapeError("rows must be an array of shape (n, " + std::to_string(width) + "): " + what);
    }
    return static_cast<std::size_t>(rows.shape(0));
}

}  // namespace zorv::python

PYBIND11_MODULE(_zorv, m) {
    m.doc() = "The compiled core of the zorv package; import zorv instead.";
    m.attr("__version__") = ZORV_VERSION;
    zorv::python::bindErrors(m);
    zorv::python::bindVocabulary(m);
    zorv::python::bindRuleBaseData(m);
    zorv::python::bindRuleBase(m);
    zorv::python::bindFTransform(m);
}
