#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "app/core/data/DataTable.h"
#include "app/core/workbench/Prompter.h"
#include "app/qt/evaluation/BackgroundTask.h"
#include "app/qt/workbench/WorkbenchServices.h"
#include "ftransform/partition/PartitionSettings.h"
#include "rulebase/RuleRow.h"
#include "rulebase/learning/LearningMode.h"

class QAction;
class QCheckBox;
class QLabel;
class QPushButton;
class QTableView;
class QToolButton;

namespace zorv {

class CRuleBase;
class DataTableFTransform;
class DataTableModel;
class EditorProgress;
class TFTransform;
class TuningDialog;
struct FTransformReconstruction;

// An editor's "Input / Output" tab: the data table (DataTable, shown through DataTableModel) with its
// commands "Import file...", "Compute", "Save File...", the "Learn" drop-down (rule learning and the
// F-transform), "inv F-Transform", "Linguistic Approximation", "Add Row" and "Delete Row", and the
// "Max. Error:" and "Data filename:" labels. It keeps the window's F-transform settings and its last
// F-transform.
//
// The long commands run on a worker (BackgroundTask) with the editor's progress bar and its Cancel button;
// meanwhile the table cannot be edited and the tab takes no other command. A cancelled Compute keeps the
// rows computed so far; a cancelled import, learning, F-transform or save changes nothing. Learning works
// on a copy of the rule base, which replaces the rule base when it is done (rulesLearned); the editor
// keeps its other controls still meanwhile (learningStarted, learningEnded). "Tune..." opens the tuning
// dialog (TuningDialog) over the table; while it is open the tab and the editor are kept still the same way,
// and a tuned rule base that the dialog applies replaces the rule base (vocabulariesTuned).
class EditorDataTab final : public QWidget {
    Q_OBJECT

public:
    EditorDataTab(CRuleBase& unit, EditorProgress& progress, WorkbenchServices services, QWidget* parent = nullptr);
    ~EditorDataTab() override;

    // The rule base's file: the import dialog starts in its folder, and learning writes beside it when the
    // table has no data file.
    void setRuleBaseFile(const QString& path);
    // The tab is shown: the header rows are made anew from the variables (once the work in progress ends).
    void showing();
    // Learning changes the rule base: not while a test window works on it.
    void setLearningAllowed(bool allowed);

    // Work of the tab runs, or the tuning dialog is open.
    bool running() const;
    // Stops the work in progress and waits for it, and closes the tuning dialog; nothing of it is kept (the
    // window closes).
    void stopWork();

    void importFile();
    void compute();
    void saveFile();
    void learn(LearningMode mode);
    void tune();
    void fTransform();
    void inverseFTransform();
    void addRow();
    void deleteRow();
    void setLingApprox(bool on);

    const DataTable& table() const { return table_; }
    DataTableModel* model() const { return model_; }
    QTableView* view() const { return view_; }
    BackgroundTask& task() { return task_; }
    QPushButton* importButton() const { return import_; }
    QPushButton* computeButton() const { return compute_; }
    QPushButton* saveButton() const { return save_; }
    QToolButton* learnButton() const { return learn_; }
    QAction* linguisticLearningItem() const { return linguisticItem_; }
    QAction* pentatomyItem() const { return pentatomyItem_; }
    QAction* approxItem() const { return approxItem_; }
    QAction* fTransformItem() const { return fTransformItem_; }
    QAction* tuneItem() const { return tuneItem_; }
    TuningDialog* tuningDialog() const;
    QPushButton* inverseButton() const { return inverse_; }
    QCheckBox* lingApproxBox() const { return lingApprox_; }
    QPushButton* addRowButton() const { return addRow_; }
    QPushButton* deleteRowButton() const { return deleteRow_; }
    QLabel* maxErrorLabel() const { return maxError_; }
    QLabel* dataFileLabel() const { return dataFile_; }
    const std::vector<PartitionSettings>& partitions() const { return partitions_; }
    // The rules of the last learning applied, listed by its worker, once (the undo history keeps them).
    std::vector<RuleRow> takeLearnedRules() { return std::move(learnedRules_); }
    const std::shared_ptr<const TFTransform>& transform() const { return transform_; }

signals:
    void learningStarted();
    void learningEnded();
    // The rule base now holds the learned rules (takeLearnedRules()); after pentatomy also new user terms.
    // A learning that adds very many rules is applied only when the user agrees.
    void rulesLearned(bool userTermsReplaced);
    // The rule base now holds tuned vocabularies; before is the rule base as it was.
    void vocabulariesTuned(const CRuleBase& before);

private:
    void buildTab();
    void buildLearnMenu();
    QString ruleBaseFolder() const;
    // Runs work on the worker with the progress display; then follows here unless it failed (the failure is
    // shown) or the window closed.
    void run(int steps, BackgroundTask::Work work, std::function<void(const BackgroundTask::Ending&)> then);
    void lock(bool locked);
    void updateCommands();
    void rebuildHeaders();
    void showMaxError();
    void showReconstruction();
    // Shows why a finished run cannot be used, if so; true then.
    bool refuseNothingRead(const FTransformReconstruction& reconstruction);
    // The F-transform's steps on the table; null, with the reason shown, when the rule base gives no axes.
    std::shared_ptr<DataTableFTransform> fTransformJob();
    void writeFTVector();
    void applyTuning();
    void tuningClosed();
    void showError(const std::string& text, const char* caption, PromptIcon icon = PromptIcon::warning);

    CRuleBase& unit_;
    EditorProgress& progress_;
    WorkbenchServices services_;
    DataTable table_;
    QString ruleBaseFile_;
    bool locked_ = false;
    bool headersStale_ = false;
    bool learningAllowed_ = true;
    std::vector<PartitionSettings> partitions_;
    std::vector<RuleRow> learnedRules_;
    std::shared_ptr<const TFTransform> transform_;

    DataTableModel* model_ = nullptr;
    QTableView* view_ = nullptr;
    QPushButton* import_ = nullptr;
    QPushButton* compute_ = nullptr;
    QPushButton* save_ = nullptr;
    QToolButton* learn_ = nullptr;
    QAction* linguisticItem_ = nullptr;
    QAction* pentatomyItem_ = nullptr;
    QAction* approxItem_ = nullptr;
    QAction* fTransformItem_ = nullptr;
    QAction* tuneItem_ = nullptr;
    QPointer<TuningDialog> tuning_;
    QPushButton* inverse_ = nullptr;
    QCheckBox* lingApprox_ = nullptr;
    QPushButton* addRow_ = nullptr;
    QPushButton* deleteRow_ = nullptr;
    QLabel* maxError_ = nullptr;
    QLabel* dataFile_ = nullptr;
    // Declared last, so that it is destroyed first: its worker reads the table.
    BackgroundTask task_;
};

}  // namespace zorv
