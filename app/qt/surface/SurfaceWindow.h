#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>
#include <optional>
#include <vector>

#include "app/core/surface/SurfaceChoice.h"
#include "app/core/surface/SurfaceGrid.h"
#include "app/core/surface/SurfaceReadout.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;

namespace zorv {

class BackgroundEvaluation;
class CRuleBase;
class ImageFileNames;
class Prompter;
class SurfaceView;

// The surface window: the rule base's output over two of its inputs as a 3-D net that the user turns with
// the mouse. It works on the rule base of the window it belongs to, by reference; the other inputs keep
// the values it was given. The grid is computed when the window opens and again on "&Recompute" and on
// every change of the variable and steps lists, in the background with its progress shown and a Cancel
// button; a newer request supersedes one in progress, and the net shown so far stays until the new one is
// complete. The window stays on top of the window it belongs to and is freed when closed.
//
// The picture carries scales with the values of both inputs and the output; the line under it shows the
// values at the grid point nearest the mouse pointer, and "Colour by height" fills the faces by their height
// (off at first, which is the plain picture). An exported image is the picture as shown.
class SurfaceWindow final : public QWidget {
    Q_OBJECT

public:
    struct Services {
        Prompter& prompter;
        ImageFileNames& imageNames;
    };

    // unit: at least two inputs and an output; inputs: one value per input; ownerCaption: the caption of the
    // window it belongs to ("Surface of " comes before it).
    SurfaceWindow(CRuleBase& unit, std::vector<double> inputs, const QString& ownerCaption, Services services,
                  QWidget* parent = nullptr);
    ~SurfaceWindow() override;

    // The values of the inputs for the next computation; the net shown does not change until then.
    void setInputValues(std::vector<double> inputs);
    void recompute();
    void exportImage();

    SurfaceView* view() const { return view_; }
    QComboBox* firstList() const { return first_; }
    QComboBox* secondList() const { return second_; }
    QComboBox* stepsList() const { return steps_; }
    QPushButton* recomputeButton() const { return recompute_; }
    QPushButton* cancelButton() const { return cancel_; }
    QProgressBar* progressBar() const { return progress_; }
    QLabel* statusLabel() const { return status_; }
    QLabel* readingLabel() const { return reading_; }
    QCheckBox* heightColoursBox() const { return heightColours_; }
    BackgroundEvaluation* evaluation() const { return evaluation_; }

Q_SIGNALS:
    // A newly computed net is shown.
    void computed();

private:
    QWidget* buildControls();
    void fillLists();
    void showChoice();
    void chooseFirst(int index);
    void chooseSecond(int index);
    void chooseSteps(int index);
    void showNet(const PointBatch& computed);
    void showStopped(const QString& message);
    void showReading(QPoint pointer);
    void setBusy(bool busy);

    CRuleBase& unit_;
    std::vector<double> inputs_;
    Services services_;
    SurfaceChoice choice_;
    std::optional<SurfaceGrid> pending_;
    SurfaceReadout readout_;
    QStringList names_;  // of the shown net's inputs and output
    BackgroundEvaluation* evaluation_;
    SurfaceView* view_;
    QComboBox* first_ = nullptr;
    QComboBox* second_ = nullptr;
    QComboBox* steps_ = nullptr;
    QPushButton* recompute_ = nullptr;
    QPushButton* export_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QLabel* status_ = nullptr;
    QLabel* reading_ = nullptr;
    QCheckBox* heightColours_ = nullptr;
};

}  // namespace zorv
