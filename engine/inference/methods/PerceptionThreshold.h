#pragma once

#include <span>

#include "inference/compiled/CompiledRules.h"

namespace zorv {

// Perception level of one input x on its antecedent's context <c, h>, with U and L the upper and lower values:
// L at the point p = c + 0.4 (h - c) (on a symmetric context: at +-0.4 h), rising linearly to U at either end
// of the context (and at 0 on a symmetric one):
//   x < p: L + (U - L)(p - x)/(p - c);   x >= p: L + (U - L)(x - p)/(h - p).
double PerceptionLevel(const AntecedentContext& context, double x, double upper, double lower);
// The threshold t = min(1, min over the antecedents of PerceptionLevel).
double PerceptionThreshold(std::span<const AntecedentContext> contexts, const double* inputs, double upper,
                           double lower);

}  // namespace zorv
