#include "app/core/data/DataTableFTransform.h"

#include "ftransform/partition/EFTransformSettings.h"
#include "rulebase/CRuleBase.h"
#include "text/NumberText.h"

namespace zorv {

DataTableFTransform::DataTableFTransform(const CRuleBase& unit, const DataTable& table)
    : command_(CommandFor(unit)), rows_(table) {}

std::vector<FTransformContext> DataTableFTransform::InputContexts(const CRuleBase& unit) {
    std::vector<FTransformContext> contexts;
    for (int k = 0; k < unit.AntecedentCount(); ++k) contexts.push_back({unit.ContextLow(k), unit.ContextHigh(k)});
    return contexts;
}

FTransformCommand DataTableFTransform::CommandFor(const CRuleBase& unit) {
    if (unit.SuccedentCount() == 0) throw EFTransformSettings("The rule base has no output variable.");
    return FTransformCommand(InputContexts(unit), {unit.ContextLow(-1), unit.ContextHigh(-1)});
}

FTransformOutcome DataTableFTransform::Fit(std::vector<PartitionSettings> partitions, std::optional<double> maxError,
                                           const JobControl& control) {
    return command_.run(rows_, std::move(partitions), maxError, control.progress, control.stop);
}

FTransformReconstruction DataTableFTransform::Inverse(const TFTransform& transform, const JobControl& control) {
    return command_.reconstruct(transform, rows_, control.progress, control.stop);
}

void DataTableFTransform::Install(DataTable& table, const FTransformReconstruction& reconstruction) {
    if (reconstruction.cancelled) return;
    table.InstallReconstruction(rows_.TakeReconstruction(),
                                reconstruction.maxError ? NumberText::grouped(*reconstruction.maxError) : std::string());
}

std::optional<std::string> DataTableFTransform::NothingRead(const FTransformReconstruction& reconstruction) {
    if (reconstruction.cancelled || reconstruction.rowsReconstructed > 0) return std::nullopt;
    return "No data row can be read: each holds a value that is not a number.";
}

}  // namespace zorv
