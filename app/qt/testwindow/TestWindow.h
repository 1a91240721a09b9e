#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>
#include <memory>
#include <optional>
#include <vector>

#include "app/core/testwindow/ProjectionRequest.h"
#include "app/core/testwindow/TestOutcome.h"
#include "app/core/testwindow/TestSession.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;

namespace zorv {

class BackgroundEvaluation;
class BackgroundFilterBuild;
class BackgroundTestEvaluation;
class CRuleBase;
class FTInferenceFilter;
class FuzzySetInputPanel;
class FuzzySetOutputPanel;
class ImageFileNames;
class PointBatch;
class ProjectionPlot;
class Prompter;
class SettingsStore;
class SurfaceWindow;

// The test window of a rule base: one slider panel per input, the output with its fuzzy set and crisp value,
// the fired rules, the method lists and the filter switch, the projection plot over one input and the
// surface window. It works on the editor's own rule base (not a copy): a method chosen here is the rule
// base's, and ruleBaseChanged() tells the editor to show it. The rule base text at the bottom is what a
// save would write, made in memory.
//
// The interface never waits for long work: evaluations and projections estimated to be cheap run at once,
// longer ones in the background with their progress, a Cancel button, and only the newest request's result
// drawn.
class TestWindow final : public QWidget {
    Q_OBJECT

public:
    struct Services {
        Prompter& prompter;
        ImageFileNames& imageNames;
        SettingsStore& settings;
    };

    // unit: compiled, with at most one output variable; fileName: the editor's, followed by " - Test" in
    // the caption.
    TestWindow(CRuleBase& unit, const QString& fileName, Services services, QWidget* parent = nullptr);
    ~TestWindow() override;

    const QString& caption() const { return caption_; }
    QSize sizeHint() const override;
    TestSession& session() { return session_; }

    // The window became the active one: the rule base may have changed meanwhile, so everything is
    // evaluated and drawn anew.
    void activated();
    void openSurface();
    void exportProjection();

    FuzzySetInputPanel* inputPanel(int input) const { return inputPanels_.at(static_cast<std::size_t>(input)); }
    FuzzySetOutputPanel* outputPanel() const { return outputPanel_; }
    QComboBox* inferenceList() const { return inference_; }
    QComboBox* defuzzificationList() const { return defuzzification_; }
    QLabel* defuzzificationCaption() const { return defuzzificationCaption_; }
    QCheckBox* filterBox() const { return filter_; }
    QPlainTextEdit* firedRules() const { return fired_; }
    QPlainTextEdit* storedText() const { return stored_; }
    QLabel* outputStatus() const { return outputStatus_; }
    QComboBox* projectionList() const { return projectionVariable_; }
    QCheckBox* projectionEnabled() const { return projectionEnabled_; }
    QLineEdit* stepsField() const { return steps_; }
    ProjectionPlot* plot() const { return plot_; }
    QPushButton* surfaceButton() const { return surface_; }
    QPushButton* exportButton() const { return export_; }
    QPushButton* cancelButton() const { return cancel_; }
    QProgressBar* progressBar() const { return progress_; }
    QLabel* projectionStatus() const { return projectionStatus_; }
    BackgroundEvaluation* projectionRun() const { return projectionRun_; }
    BackgroundFilterBuild* filterBuild() const { return filterBuild_; }
    BackgroundTestEvaluation* outcomeRun() const { return outcomeRun_; }

Q_SIGNALS:
    // A method or the filter switch of the rule base was changed here.
    void ruleBaseChanged();
    // A newly computed projection is drawn.
    void projectionShown();
    // The outcome of the newest evaluation is shown in full.
    void outcomeShown();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* buildLeftColumn();
    QWidget* buildRightColumn();
    QWidget* buildMethods();
    QWidget* buildProjection();
    void fillLists();
    void connectControls();

    void moveInput(int input, double position);
    void typeInput(int input, const QString& text);
    void pick(double x);
    void chooseInference(int index);
    void chooseDefuzzification(int index);
    void toggleFilter(bool on);
    void takeSteps();
    void chooseProjectionVariable(int index);
    void enableProjection(bool enabled);

    void showInput(int input, bool rewriteValue);
    void methodsChanged();
    void evaluate();
    // valuePending: the outcome holds the inference alone; the value follows from the background.
    void showOutcome(const TestOutcome& outcome, bool valuePending);
    void showStoredText();
    void updateProjection();
    void stopProjection();
    void buildFilterFor(const ProjectionRequest& request);
    void filterBuilt(const std::shared_ptr<const FTInferenceFilter>& filter);
    void computeProjection(const ProjectionRequest& request);
    void showProjection(const ProjectionRequest& request, const PointBatch& computed);
    void projectionStopped(const QString& message);
    void showProgress(int done, int total);
    void setProjectionBusy(bool busy, const QString& format = QStringLiteral("%p%"));
    QWidget& frame();

    CRuleBase& unit_;
    Services services_;
    QString caption_;
    TestSession session_;
    std::optional<ProjectionRequest> shownProjection_;
    std::optional<ProjectionRequest> pendingProjection_;
    std::vector<QPointer<SurfaceWindow>> surfaces_;
    bool closed_ = false;

    std::vector<FuzzySetInputPanel*> inputPanels_;
    FuzzySetOutputPanel* outputPanel_ = nullptr;
    QLabel* outputStatus_ = nullptr;
    QPlainTextEdit* stored_ = nullptr;
    QComboBox* inference_ = nullptr;
    QLabel* defuzzificationCaption_ = nullptr;
    QComboBox* defuzzification_ = nullptr;
    QCheckBox* filter_ = nullptr;
    QPlainTextEdit* fired_ = nullptr;
    QComboBox* projectionVariable_ = nullptr;
    QCheckBox* projectionEnabled_ = nullptr;
    QLineEdit* steps_ = nullptr;
    ProjectionPlot* plot_ = nullptr;
    QPushButton* export_ = nullptr;
    QPushButton* surface_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QLabel* projectionStatus_ = nullptr;
    BackgroundEvaluation* projectionRun_ = nullptr;
    BackgroundFilterBuild* filterBuild_ = nullptr;
    BackgroundTestEvaluation* outcomeRun_ = nullptr;
};

}  // namespace zorv
