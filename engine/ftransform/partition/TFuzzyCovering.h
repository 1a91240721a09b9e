#pragma once

#include "ftransform/partition/PartitionSettings.h"
#include "ftransform/partition/TFuzzyCover.h"
#include "ftransform/partition/TPartition.h"

#include <memory>

namespace zorv {

// One input axis of an F-transform: the node grid of a partition and the basic function of its
// shape built on [-h, +h], so that node k's function is centred on node k and vanishes beyond its
// neighbours. The axis value of node k at x is
//     A_k(x) = membership(x - low - k·h)    for 0 <= k < nodes, else 0.
class TFuzzyCovering {
public:
    // Throws EFTransformSettings with the reason when the settings cannot make a partition.
    explicit TFuzzyCovering(const PartitionSettings& settings);

    const TPartition& partition() const { return partition_; }
    const TFuzzyCover& cover() const { return *cover_; }
    int nodes() const { return nodes_; }
    double low() const { return partition_.low(); }
    double high() const { return partition_.high(); }

    int nodeOf(double x) const { return partition_.nodeOf(x); }
    double axisValue(int k, double x) const;

private:
    TPartition partition_;
    std::unique_ptr<TFuzzyCover> cover_;
    int nodes_;
};

}  // namespace zorv
