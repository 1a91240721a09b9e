#pragma once

#include "inference/defuzzifiers/ConclusionView.h"

namespace zorv {

enum class ShapeClass { Decreasing = 0, Unimodal = 1, Increasing = 2, SinglePoint = 3, Constant = 4, Irregular = 5 };

// The landmarks of a conclusion shared by the linguistic defuzzifiers:
// m = min mu (starting from 1), M = max mu (starting from 0); L1/R1 the first/last index with mu > m;
// Lm/Rm the first index from L1 upward / last from R1 downward with mu = M.
// shape is Constant when m = M, SinglePoint when L1 = R1, otherwise Irregular until a classifier refines it.
struct ShapeInfo {
    double m = 1.0;
    double M = 0.0;
    int L1 = 0;
    int R1 = 0;
    int Lm = 0;
    int Rm = 0;
    ShapeClass shape = ShapeClass::Constant;
};

ShapeInfo AnalyseShape(const ConclusionView& c);

// mu[j] >= mu[j-1] for j = a+1..b.
bool NonDecreasing(const ConclusionView& c, int a, int b);
// mu[j] >= mu[j+1] for j = b-1 down to a.
bool NonIncreasing(const ConclusionView& c, int a, int b);
// mu[j] = mu[j+1] for j = b-1 down to a.
bool ConstantOn(const ConclusionView& c, int a, int b);

// Classifier of the simple DEE variants: the plateau of maxima touching an end (or, on a symmetric context,
// the middle with a flat side) decides Decreasing / Increasing; a single hill is Unimodal; else Irregular.
ShapeClass ClassifyPlateau(const ConclusionView& c, const ShapeInfo& s);
// Classifier of the full DEE: like ClassifyPlateau, but an end maximum also needs the whole conclusion to be
// monotonic, and the symmetric middle case needs the minimum right next to the middle.
ShapeClass ClassifyMonotonic(const ConclusionView& c, const ShapeInfo& s);

}  // namespace zorv
