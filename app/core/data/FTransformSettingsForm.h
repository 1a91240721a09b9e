#pragma once

#include "ftransform/command/FTransformContext.h"
#include "ftransform/partition/BasicFunctionPreview.h"
#include "ftransform/partition/BasicFunctionShape.h"
#include "ftransform/partition/PartitionSettings.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zorv {

// The state and rules of the "F-Transform Settings" dialog, free of any window. The dialog is
// made once and reused: "Output to File", "Optimize to max error:" and the max-error text keep
// their state between openings. At each opening it works on the editor window's partition
// records (borrowed for the opening): choices are stored into them at once, so they stay even
// when the dialog is cancelled.
class FTransformSettingsForm {
public:
    static constexpr std::string_view kCaption = "F-Transform Settings";
    static constexpr std::string_view kDefaultMaxErrorText = "0.001";
    static constexpr std::string_view kFaultCaption = "Wrong input";

    // What OK leads to: accepted, or the dialog stays open (with a message to show when there is
    // one, under kFaultCaption; without one for a field that does not parse).
    struct Acceptance {
        bool accepted = false;
        std::string message;
    };

    // Opens on the window's records and selects the first variable. The records are made when
    // there are none (one per input variable from its context, 10 nodes, triangular), made anew
    // when the number of input variables changed since, and otherwise take the variables' current
    // contexts while keeping their node counts and shapes.
    void open(std::vector<PartitionSettings>& records, std::span<const FTransformContext> contexts);

    int selected() const { return selected_; }
    // Shows a variable's node count and shape.
    void select(int variable);
    std::string nodeCountText() const;
    BasicFunctionShape shape() const;

    // Leaving the node-count field: stores the integer into the selected record. False when the
    // text is not an integer: the dialog beeps and puts the focus back.
    bool leaveNodeCount(std::string_view text);
    // Stores the chosen shape into the selected record; the preview is to be redrawn.
    void chooseShape(BasicFunctionShape shape);
    std::vector<BasicFunctionPreview::Point> preview(int width, int height) const;

    bool outputToFile() const { return outputToFile_; }
    void setOutputToFile(bool on) { outputToFile_ = on; }
    bool optimize() const { return optimize_; }
    void setOptimize(bool on) { optimize_ = on; }
    const std::string& maxErrorText() const { return maxErrorText_; }

    // OK with the fields' texts: the node count is stored as on leaving the field; with
    // optimisation checked the max error must be a number. A record that cannot make a partition
    // (fewer than two nodes, an empty context) keeps the dialog open with its reason, and that
    // variable is selected.
    Acceptance accept(std::string_view nodeCountText, std::string_view maxErrorText);
    // The maximum error of the last accepted OK when optimisation is checked, else none.
    std::optional<double> maxError() const { return optimize_ ? maxError_ : std::nullopt; }

    // An integer as the node-count field takes it (blanks around it allowed), else none.
    static std::optional<int> parseNodeCount(std::string_view text);

private:
    PartitionSettings& current() const;

    std::vector<PartitionSettings>* records_ = nullptr;  // the window's records, borrowed while open
    int selected_ = 0;
    bool outputToFile_ = false;
    bool optimize_ = false;
    std::string maxErrorText_{kDefaultMaxErrorText};
    std::optional<double> maxError_;
};

}  // namespace zorv
