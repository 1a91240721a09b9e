#pragma once

namespace zorv {

// An axis of the surface picture: X and Y carry the two chosen inputs, Z the output.
enum class Axis3d { X = 1, Y = 2, Z = 3 };

}  // namespace zorv
