#pragma once

#include <optional>
#include <string>
#include <vector>

#include "interchange/ForeignSystem.h"

namespace zorv {

// A user term shape of the rule base file: "triang", "trapezoid", "quadratic" or "gaussian" with its
// parameters.
struct UserShape {
    std::string type;
    std::vector<double> params;
};

// The membership functions of the interchange formats: their parameters (with the optional trailing height of
// FLL) and the exact counterpart among the user term shapes, where there is one:
//   Triangle a b c                 -> triang (a, b, c)
//   Trapezoid a b c d              -> trapezoid (a, b, c, d)
//   Gaussian m s                   -> gaussian (2 s^2, m, m, 2 s^2)      exp(-(x - m)^2 / (2 s^2))
//   GaussianProduct mA sA mB sB    -> gaussian (2 sA^2, mA, mB, 2 sB^2)  when mA <= mB
class ForeignShape {
public:
    // The common spelling of a shape name written in any case ("TRIANGLE" -> "Triangle"); others as written.
    static std::string Canonical(const std::string& shape);
    // Parameters of the shape without the height; none for a shape this class does not know.
    static std::optional<int> ParameterCount(const std::string& shape);
    // The height: the parameter after the shape's own ones, 1 when there is none. None when the number of
    // parameters does not fit the shape.
    static std::optional<double> Height(const ForeignTerm& term);
    // The exact user term shape of the term (height ignored); none with the reason when it has none.
    static std::optional<UserShape> Exact(const ForeignTerm& term, std::string& reason);
    // The membership degree of the term at x (height included), for every shape of ParameterCount except
    // Linear; none for the others.
    static std::optional<double> Membership(const ForeignTerm& term, double x);
    // The interval that the points of the term span (a Gaussian's: the means and three widths beside them);
    // none for a shape without such points or with the wrong number of parameters.
    static std::optional<std::pair<double, double>> Span(const ForeignTerm& term);
    // Where the shape bends: the points that should lie on the grid.
    static std::vector<double> Breakpoints(const UserShape& shape);
};

}  // namespace zorv
