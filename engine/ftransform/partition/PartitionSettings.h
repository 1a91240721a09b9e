#pragma once

#include "ftransform/partition/BasicFunctionShape.h"

#include <optional>
#include <string>

namespace zorv {

// The F-transform settings of one input variable, as the rule-base editor keeps them: the
// variable's context <low, high> (copied when the record is made), the number of nodes and the
// shape of the basic functions.
struct PartitionSettings {
    static constexpr int kDefaultNodes = 10;

    double low = 0.0;
    double high = 1.0;
    int nodes = kDefaultNodes;
    BasicFunctionShape shape = BasicFunctionShape::Triangular;

    // The record made for a variable with the context <low, high>: 10 nodes, triangular.
    static PartitionSettings forContext(double low, double high);

    // Why these settings cannot make a partition (a message for the user), or none when they can:
    // at least two nodes, finite bounds with low < high and a positive step, a known shape.
    std::optional<std::string> fault() const;

    bool operator==(const PartitionSettings&) const = default;
};

}  // namespace zorv
