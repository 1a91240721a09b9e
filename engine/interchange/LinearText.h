#pragma once

#include <optional>
#include <string>
#include <vector>

namespace zorv {

// The text of a linear consequent from the coefficients as the interchange formats list them (one per input,
// then the constant term): "c0 + c1*x1 - c2*x2 ...", terms of coefficient 0 left out, every number in the
// shortest form that reads back to the same double. And the way back for the exporter.
class LinearText {
public:
    static std::string Format(const std::vector<double>& inputsThenConstant);
    // The interchange order (inputs, then the constant) of coefficients c0, c1, ..., cN.
    static std::vector<double> InterchangeOrder(const std::vector<double>& constantFirst);
};

}  // namespace zorv
