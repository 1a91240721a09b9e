#pragma once

namespace zorv {

// Four doubles handled as one value (GNU vector extension): the lanes of the running sums, minima and maxima
// over a conclusion's samples. Each lane does exactly what a scalar would do, so results do not depend on
// the instruction set the loops are compiled for. Load with std::memcpy (no alignment is assumed); values of
// this type are kept local to one function.
typedef double Lanes4 __attribute__((vector_size(4 * sizeof(double))));

}  // namespace zorv
