#include "ftransform/partition/TFuzzyCoverFactory.h"

#include "ftransform/partition/TFuzzyNumberCover.h"
#include "ftransform/partition/TFuzzyQuadraticCover.h"
#include "ftransform/partition/TFuzzySinusCover.h"
#include "ftransform/partition/TFuzzyTriangCover.h"

namespace zorv {

std::unique_ptr<TFuzzyCover> TFuzzyCoverFactory::make(BasicFunctionShape shape, double a, double b) {
    switch (shape) {
        case BasicFunctionShape::Triangular:
            return std::make_unique<TFuzzyTriangCover>(a, b);
        case BasicFunctionShape::Quadratic:
            return std::make_unique<TFuzzyQuadraticCover>(a, b);
        case BasicFunctionShape::Sinusoidal:
            return std::make_unique<TFuzzySinusCover>(a, b);
        case BasicFunctionShape::FuzzyNumber:
            return std::make_unique<TFuzzyNumberCover>(a, b);
    }
    return nullptr;
}

std::unique_ptr<TFuzzyCover> TFuzzyCoverFactory::make(int shapeNumber, double a, double b) {
    const auto shape = basicFunctionShapeOf(shapeNumber);
    return shape ? make(*shape, a, b) : nullptr;
}

std::unique_ptr<TFuzzyCover> TFuzzyCoverFactory::make(std::string_view name, double a, double b) {
    const auto shape = basicFunctionShapeNamed(name);
    return shape ? make(*shape, a, b) : nullptr;
}

}  // namespace zorv
