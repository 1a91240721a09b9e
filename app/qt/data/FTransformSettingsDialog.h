#pragma once

#include <QDialog>
#include <array>

#include "app/qt/data/FTransformSettingsChooser.h"
#include "app/core/data/FTransformSettingsForm.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;

namespace zorv {

class BasicFunctionView;
class Prompter;

// "F-Transform Settings": the node count and the shape of the basic functions of each input variable, an
// optional search of the node count to a maximum error, and whether the components go to a file. Made once
// and reused: "Output to File", "Optimize to max error:" and its value keep their state between openings;
// the node counts and shapes are stored at once into the records of the editor it was opened for.
// The rules are FTransformSettingsForm's; the dialog shows them.
class FTransformSettingsDialog final : public QDialog, public FTransformSettingsChooser {
    Q_OBJECT

public:
    explicit FTransformSettingsDialog(Prompter& prompter, QWidget* parent = nullptr);

    std::optional<Choice> choose(QWidget* parent, std::vector<PartitionSettings>& records,
                                 std::span<const FTransformContext> contexts, const QStringList& names) override;
    // Opens on the records without running the dialog (choose() does both); for a picture or a test.
    void prepare(std::vector<PartitionSettings>& records, std::span<const FTransformContext> contexts,
                 const QStringList& names);
    // The choice OK made.
    Choice choice() const;

    // OK: stays open when a field does not parse (without a message) or a record cannot make a
    // partition (with its reason).
    void accept() override;

    QComboBox* variable() const { return variable_; }
    QLineEdit* nodeCount() const { return nodes_; }
    QRadioButton* shapeButton(BasicFunctionShape shape) const;
    BasicFunctionView* preview() const { return preview_; }
    QCheckBox* outputToFile() const { return outputToFile_; }
    QCheckBox* optimize() const { return optimize_; }
    QLineEdit* maxError() const { return maxError_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void selectVariable(int index);
    void showSelected();
    // Leaving the node-count field: a text that is not an integer beeps and keeps the focus there.
    bool leaveNodeCount();

    Prompter& prompter_;
    FTransformSettingsForm form_;
    QComboBox* variable_;
    QLineEdit* nodes_;
    std::array<QRadioButton*, kBasicFunctionShapeCount> shapes_{};
    BasicFunctionView* preview_;
    QCheckBox* outputToFile_;
    QCheckBox* optimize_;
    QLineEdit* maxError_;
};

}  // namespace zorv
