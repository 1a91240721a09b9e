#include "Bindings.h"

#include <cmath>

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

}  // namespace zorv::python

PYBIND11_MODULE(zorv, m) {
    m.doc() = "Fuzzy rule bases written in evaluative linguistic expressions: load, evaluate, read expressions.";
    m.attr("__version__") = ZORV_VERSION;
    zorv::python::bindErrors(m);
    zorv::python::bindVocabulary(m);
    zorv::python::bindRuleBase(m);
}
