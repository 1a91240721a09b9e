#include "surface/Vector3d.h"

#include <cmath>

namespace zorv {

double Vector3d::Length() const { return std::sqrt(Dot(*this)); }

}  // namespace zorv
