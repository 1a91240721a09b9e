#pragma once

#include <cstdint>
#include <vector>

#include "fuzzy/sets/CFuzzyDiscreteSet.h"
#include "inference/smooth/AxisDegrees.h"
#include "inference/smooth/NeighbourhoodRules.h"
#include "inference/smooth/SimpleDeeCache.h"
#include "inference/smooth/SmoothAxes.h"

namespace zorv {

// The buffers of the smooth defuzzification, kept in the workspace so that an evaluation allocates nothing
// once they have their sizes. The cache of Simple DEE values outlives one evaluation: the conclusions that
// repeat within a neighbourhood often repeat in the next one.
struct SmoothScratch {
    CFuzzyDiscreteSet conclusion;  // the inferences at the points of the neighbourhood
    std::vector<double> centre;    // the inputs the neighbourhood is built around
    std::vector<double> point;     // the point handed to the inference
    std::vector<double> weight;    // per antecedent: the window's degree at the point's coordinate
    std::vector<int> index;        // per antecedent: the point's coordinate, on the listed axes
    SmoothAxes axes;
    AxisDegrees degrees;
    NeighbourhoodRules rules;
    SimpleDeeCache cache;
    std::vector<double> rowWeights;  // the weights of the row's coordinates, antecedents 1..
    double lastValue = 0.0;          // the value of the key the rules kept last
    std::vector<std::uint8_t> savedFired;
};

}  // namespace zorv
