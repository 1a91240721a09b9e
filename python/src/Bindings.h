#pragma once

#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>

#include <vector>

namespace zorv::python {

namespace py = pybind11;

// Each part of the module registers its classes and functions.
void bindErrors(py::module_& m);
void bindVocabulary(py::module_& m);
void bindRuleBase(py::module_& m);

// A sampled fuzzy set as two numpy arrays (x, mu): x runs evenly from low to high, the last point exactly
// high, one point per value of mu.
py::tuple sampledSet(double low, double high, const std::vector<double>& mu);

}  // namespace zorv::python
