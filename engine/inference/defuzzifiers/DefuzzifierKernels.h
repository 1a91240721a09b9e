#pragma once

#include "inference/defuzzifiers/ConclusionView.h"
#include "inference/defuzzifiers/ShapeAnalysis.h"

namespace zorv {

// Defuzzification of one conclusion, on its samples alone. Index c maps to lo + (c / (n - 1)) (hi - lo).

// Centroid index over [a, b] clipped to the grid: sum j mu[j] / sum mu[j]; (a + b)/2 (integer division) when
// the weights sum to 0.
double CentroidIndex(const ConclusionView& c, int a, int b);

// Simple COG: the centroid over the whole grid; the context midpoint when every sample is 0.
double CenterOfGravity(const ConclusionView& c);
// Modified COG: the centroid of the samples above the minimum (which start from 1); the midpoint when none is.
double ModifiedCenterOfGravity(const ConclusionView& c);
// Mean Of Maxima: the index at position k/2 of the k indices of the maximum (the upper middle one); not clamped.
int MeanOfMaximaIndex(const ConclusionView& c);
// The same for a conclusion already analysed (not constant): its maxima lie in [Lm, Rm].
int MeanOfMaximaIndex(const ConclusionView& c, const ShapeInfo& shape);
double MeanOfMaxima(const ConclusionView& c);
// Simple DEE: the plateau shape decides: Decreasing -> right end of the maxima, Increasing -> left end,
// Unimodal -> middle of the maxima, single point -> that point, constant -> midpoint, irregular -> MOM.
// Clamped to the context.
double SimpleDee(const ConclusionView& c);
// Simple DEE using COG: as SimpleDee, with Unimodal and Irregular taking the centroid of the whole grid.
double SimpleDeeCog(const ConclusionView& c);
// DEE: monotonic shapes take the centroid of the part between the maxima's edge and a point 0.577 of the
// slope's width beyond it (pulled back by 0.54 where it would cross the middle or the end of the context);
// Unimodal takes the centroid of the non-minimal part. Clamped to the context.
double LinguisticDee(const ConclusionView& c);

}  // namespace zorv
