#pragma once

#include <QDialog>
#include <memory>
#include <optional>

#include "app/core/tuning/BestErrorTrace.h"
#include "app/core/tuning/DataTableTuning.h"
#include "app/qt/evaluation/BackgroundTask.h"
#include "tuning/TuningOptions.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTableWidget;

namespace zorv {

class BestErrorChart;
class CRuleBase;
class DataTable;
class Prompter;

// "Tune": fits the contexts, lingparams or user terms of an editor's rule base to the rows of its data table.
// The user chooses what may move and which variables stay, the objective, the budget, the hold-out share and
// the seed; Start runs the tuning on a worker (DataTableTuning) with a progress bar, the best error drawn as it
// improves and Cancel, which keeps the best rule base found so far. The result shows as the errors before and
// after and a table of the parameters that moved; Apply hands the tuned rule base to the editor
// (applyRequested, then takeTuned()) and closes. Closing while the tuning runs stops it first.
class TuningDialog final : public QDialog {
    Q_OBJECT

public:
    TuningDialog(const CRuleBase& unit, const DataTable& table, Prompter& prompter, QWidget* parent = nullptr);
    ~TuningDialog() override;

    void start();
    void cancel();
    void apply();
    // Stops a run and waits for it (the editor closes), then closes; nothing is applied.
    void stop();
    bool running() const { return task_.running(); }
    // The options the controls describe.
    TuningOptions options() const;
    // The tuned rule base of the last run; null before a run ended, and once taken.
    std::unique_ptr<CRuleBase> takeTuned();

    QCheckBox* contextsBox() const { return contexts_; }
    QCheckBox* lingParamsBox() const { return lingParams_; }
    QCheckBox* userTermsBox() const { return userTerms_; }
    QListWidget* variableList() const { return variables_; }
    QComboBox* objectiveBox() const { return objective_; }
    QSpinBox* budgetBox() const { return budget_; }
    QSpinBox* holdOutBox() const { return holdOut_; }
    QSpinBox* seedBox() const { return seed_; }
    QPushButton* startButton() const { return start_; }
    QPushButton* cancelButton() const { return cancel_; }
    QPushButton* applyButton() const { return apply_; }
    QProgressBar* progressBar() const { return progress_; }
    BestErrorChart* chart() const { return chart_; }
    QLabel* errorsLabel() const { return errors_; }
    QTableWidget* changesTable() const { return changes_; }

signals:
    void applyRequested();

public slots:
    void reject() override;

private:
    void buildChoices();
    QWidget* buildRun();
    QWidget* buildResult();
    void progressed(int done, int total);
    void ended(const BackgroundTask::Ending& ending, const DataTableTuningRun& run);
    void showResult(const TuningResult& result);
    void updateButtons();

    const CRuleBase& unit_;
    const DataTable& table_;
    Prompter& prompter_;
    BestErrorTrace trace_;
    std::unique_ptr<CRuleBase> tuned_;
    bool closeWhenStopped_ = false;

    QCheckBox* contexts_ = nullptr;
    QCheckBox* lingParams_ = nullptr;
    QCheckBox* userTerms_ = nullptr;
    QListWidget* variables_ = nullptr;
    QComboBox* objective_ = nullptr;
    QSpinBox* budget_ = nullptr;
    QSpinBox* holdOut_ = nullptr;
    QSpinBox* seed_ = nullptr;
    QPushButton* start_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QProgressBar* progress_ = nullptr;
    BestErrorChart* chart_ = nullptr;
    QLabel* errors_ = nullptr;
    QTableWidget* changes_ = nullptr;
    QPushButton* apply_ = nullptr;
    QPushButton* close_ = nullptr;
    // Declared last, so that it is destroyed first: its worker reads the table and writes the trace.
    BackgroundTask task_;
};

}  // namespace zorv
