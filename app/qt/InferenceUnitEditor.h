#pragma once

#include <QString>
#include <QWidget>
#include <memory>

#include "app/core/RuleCommand.h"
#include "app/core/RuleUndoHistory.h"
#include "app/core/SaveOutcome.h"
#include "app/qt/WorkbenchServices.h"

class QPushButton;
class QTabWidget;

namespace zorv {

class CRuleBase;
class EditorGeneralTab;
class EditorProgress;
class EditorVariablesTab;

// The window of one rule base ("Inference unit"), which owns it: its General and variables tabs, the side
// buttons, saving, the save question on closing, the undo history of its rules and the progress display.
// Lives in a child window of the main window; its caption is the rule base's file path.
class InferenceUnitEditor final : public QWidget {
    Q_OBJECT

public:
    static constexpr const char* kFormCaption = "Inference unit";

    InferenceUnitEditor(std::unique_ptr<CRuleBase> unit, WorkbenchServices services, QWidget* parent = nullptr);
    ~InferenceUnitEditor() override;

    // The rule base's file and whether it has one yet (an unnamed rule base saves through Save As).
    // Sets the caption and the unit name field.
    void setFile(const QString& path, bool named);
    // Fills the window from the rule base, checks every variable as the variable dialog's OK would (a
    // variable that fails is shown in the dialog) and starts the undo history. Call once the window shows.
    void startEditing();

    CRuleBase& unit() { return *unit_; }
    const CRuleBase& unit() const { return *unit_; }
    const QString& fileName() const { return fileName_; }
    bool isNamed() const { return named_; }
    bool isModified() const { return modified_; }
    // The window caption without the modified marker; window placements are saved under it.
    const QString& caption() const { return caption_; }

    // Writes the rule base to its file, or runs Save As for an unnamed one.
    SaveOutcome save();
    // Asks for a file name and writes the rule base there; on success that file becomes the editor's.
    SaveOutcome saveAs();

    // Every change goes through here: marks the editor modified and remembers the rules for undo.
    void markModified();
    void undo();
    void redo();
    const RuleUndoHistory& undoHistory() const { return history_; }

    // The Edit menu's clipboard commands for the focused control.
    void cut();
    void copy();
    void paste();
    // The rule commands of the Edit menu. They work on the rules grid, so without it they change nothing.
    void runRuleCommand(RuleCommand command);
    // A word from a word toolbar for the current rule cell; false when no rule cell takes it (the rules
    // grid is not shown).
    bool insertWord(const QString& word, bool moveToNext);

    QTabWidget* tabs() const { return tabs_; }
    EditorGeneralTab* generalTab() const { return general_; }
    EditorVariablesTab* inputTab() const { return inputs_; }
    EditorVariablesTab* outputTab() const { return outputs_; }
    EditorProgress* progress() const { return progress_; }
    QPushButton* testButton() const { return test_; }
    QPushButton* saveButton() const { return save_; }
    QPushButton* saveAsButton() const { return saveAs_; }
    QPushButton* closeButton() const { return close_; }
    // Set when the variables changed; the rules grid recomputes its column widths once.
    bool columnWidthsStale() const { return columnWidthsStale_; }

signals:
    void modifiedChanged(bool modified);
    // The rule base was written to path.
    void saved(const QString& path);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildWindow();
    void connectTabs();
    QWidget& frame();
    void setCaption(const QString& caption);
    void setModified(bool modified);
    SaveOutcome writeTo(const QString& path);
    RuleList currentRules() const;
    void applyRules(const RuleList& rules);
    void restartHistory();

    void chooseInference(int index);
    void chooseDefuzzification(int index);
    void toggleFilter(bool on);
    void refillVariables();
    void addVariable();
    void deleteVariable(int row);
    void editVariable(bool input, int row);
    void variableEdited();
    void checkVariables();
    void compile();

    std::unique_ptr<CRuleBase> unit_;
    WorkbenchServices services_;
    QString fileName_;
    QString caption_;
    bool named_ = false;
    bool modified_ = false;
    bool columnWidthsStale_ = true;
    RuleUndoHistory history_;

    QTabWidget* tabs_ = nullptr;
    EditorGeneralTab* general_ = nullptr;
    EditorVariablesTab* inputs_ = nullptr;
    EditorVariablesTab* outputs_ = nullptr;
    EditorProgress* progress_ = nullptr;
    QPushButton* test_ = nullptr;
    QPushButton* save_ = nullptr;
    QPushButton* saveAs_ = nullptr;
    QPushButton* close_ = nullptr;
};

}  // namespace zorv
