#pragma once

#include <QStringList>
#include <optional>
#include <span>
#include <vector>

#include "ftransform/command/FTransformContext.h"
#include "ftransform/partition/PartitionSettings.h"

class QWidget;

namespace zorv {

// Shows the "F-Transform Settings" dialog for an editor's partition records. Tests answer in its place.
class FTransformSettingsChooser {
public:
    // What OK decided beyond the records: the maximum error when the node count is to be searched, and
    // whether the components go to an FT-Vector file.
    struct Choice {
        std::optional<double> maxError;
        bool outputToFile = false;
    };

    virtual ~FTransformSettingsChooser() = default;

    // records: the window's, one per input variable (made or matched to the contexts first), changed as the
    // user chooses, also when the dialog is cancelled; names: the input variables. None on Cancel.
    virtual std::optional<Choice> choose(QWidget* parent, std::vector<PartitionSettings>& records,
                                         std::span<const FTransformContext> contexts, const QStringList& names) = 0;
};

}  // namespace zorv
