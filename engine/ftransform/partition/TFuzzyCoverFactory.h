#pragma once

#include "ftransform/partition/BasicFunctionShape.h"
#include "ftransform/partition/TFuzzyCover.h"

#include <memory>
#include <string_view>

namespace zorv {

// Makes the basic function of a shape on the support [a, b]: by shape, by shape number 0..3 or by
// the name the shape reports. An unknown shape, number or name gives nothing (a null pointer).
// The support must satisfy a < b (see TFuzzyCover).
class TFuzzyCoverFactory {
public:
    static std::unique_ptr<TFuzzyCover> make(BasicFunctionShape shape, double a, double b);
    static std::unique_ptr<TFuzzyCover> make(int shapeNumber, double a, double b);
    static std::unique_ptr<TFuzzyCover> make(std::string_view name, double a, double b);
};

}  // namespace zorv
