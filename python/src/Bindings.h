#pragma once

#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>

#include <cstddef>
#include <string>
#include <vector>

namespace zorv::python {

namespace py = pybind11;

// Each part of the module registers its classes and functions.
void bindErrors(py::module_& m);
void bindVocabulary(py::module_& m);
void bindRuleBase(py::module_& m);
void bindRuleBaseData(py::module_& m);
void bindFTransform(py::module_& m);

// A sampled fuzzy set as two numpy arrays (x, mu): x runs evenly from low to high, the last point exactly
// high, one point per value of mu.
py::tuple sampledSet(double low, double high, const std::vector<double>& mu);

// Rows of numbers as a C-ordered array of doubles.
using Rows = py::array_t<double, py::array::c_style | py::array::forcecast>;

// The number of rows of an array of shape (n, width), or of shape (n,) when width is 1; ShapeError naming
// what the rows are otherwise.
std::size_t rowCount(const Rows& rows, std::size_t width, const std::string& what);

}  // namespace zorv::python
