#include "ftransform/partition/TFuzzyCovering.h"

#include "ftransform/partition/EFTransformSettings.h"
#include "ftransform/partition/TFuzzyCoverFactory.h"

namespace zorv {

namespace {

const PartitionSettings& checked(const PartitionSettings& settings) {
    if (const auto fault = settings.fault()) {
        throw EFTransformSettings(*fault);
    }
    return settings;
}

}  // namespace

TFuzzyCovering::TFuzzyCovering(const PartitionSettings& settings)
    : partition_(checked(settings).low, settings.high, settings.nodes - 1),
      cover_(TFuzzyCoverFactory::make(settings.shape, -partition_.step(), partition_.step())),
      nodes_(settings.nodes) {}

double TFuzzyCovering::axisValue(int k, double x) const {
    if (k < 0 || k >= nodes_) {
        return 0.0;
    }
    return cover_->membership(x - partition_.low() - k * partition_.step());
}

}  // namespace zorv
