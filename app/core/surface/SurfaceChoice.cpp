#include "app/core/surface/SurfaceChoice.h"

#include <stdexcept>

namespace zorv {

SurfaceChoice::SurfaceChoice(int inputCount) : inputCount_(inputCount) {
    if (inputCount < 2) throw std::out_of_range("a surface needs two input variables");
}

void SurfaceChoice::SetFirst(int index) {
    CheckIndex(index);
    first_ = index;
    if (second_ == index) second_ = Apart(index);
}

void SurfaceChoice::SetSecond(int index) {
    CheckIndex(index);
    second_ = index;
    if (first_ == index) first_ = Apart(index);
}

void SurfaceChoice::SetSteps(int steps) {
    if (steps < kMinSteps || steps > kMaxSteps) throw std::out_of_range("surface steps run from 10 to 70");
    steps_ = steps;
}

void SurfaceChoice::CheckIndex(int index) const {
    if (index < 0 || index >= inputCount_) throw std::out_of_range("no such input variable");
}

}  // namespace zorv
