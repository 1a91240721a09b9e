#pragma once

#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <memory>

#include "app/core/files/SaveOutcome.h"
#include "app/qt/workbench/WorkbenchServices.h"

class QPushButton;
class QTabWidget;

namespace zorv {

class CRuleBase;
class EditorDataTab;
class EditorGeneralTab;
class EditorProgress;
class EditorRulesTab;
class EditorVariablesTab;
class GeneralTabController;
class RulesInfoMenu;
class RulesTabController;
class VariablesTabController;

// The window of one rule base ("Inference unit"), which owns it: its tabs, each run by a controller of its
// own (General, variables, Rules; the data tab runs itself), the buttons, saving, the save question on
// closing and the progress display. It keeps the tabs in step: leaving the Rules tab, locking the controls
// while a test window or learning works on the rule base. Lives in a child window of the main window; its caption is the
// rule base's file path.
class InferenceUnitEditor final : public QWidget {
    Q_OBJECT

public:
    static constexpr const char* kFormCaption = "Inference unit";
    // Below this the tabs and buttons would be crushed; three windows tiled side by side on a screen 1366
    // pixels wide still have room.
    static constexpr int kMinimumWidth = 420;
    static constexpr int kMinimumHeight = 340;

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
    // Tells whether another editor shows a file; Save As refuses such a file.
    void setFileShownElsewhere(std::function<bool(const QString&)> shownElsewhere) {
        shownElsewhere_ = std::move(shownElsewhere);
    }
    // The rule base as the window shows it, for File > Export: the Rules tab's cells committed and compiled.
    // Null when a cell is empty or does not compile (the cell or the message has been shown).
    const CRuleBase* shownUnit();

    // Every change goes through here: marks the editor modified and remembers the rules for undo.
    void markModified();
    // A long command is running; the window takes no other command meanwhile.
    bool busy() const;

    // The test window opened on the rule base (its frame). While it lives, "&Test", the variable buttons,
    // "Add rule", "Delete rule", the method lists and the filter box are disabled; closing the editor
    // closes it.
    void setTestWindow(QWidget* window);
    bool testing() const { return !testWindow_.isNull(); }
    // The test window changed a method or the filter switch of the rule base.
    void showTestChanges();

    // What each tab's controller does: the rules' undo history, clipboard, commands and words; the
    // variables; the General tab's choices.
    RulesTabController& rules() const { return *rulesControl_; }
    VariablesTabController& variables() const { return *variablesControl_; }
    GeneralTabController& general() const { return *generalControl_; }

    QTabWidget* tabs() const { return tabs_; }
    EditorGeneralTab* generalTab() const { return general_; }
    EditorVariablesTab* inputTab() const { return inputs_; }
    EditorVariablesTab* outputTab() const { return outputs_; }
    EditorRulesTab* rulesTab() const { return rules_; }
    EditorDataTab* dataTab() const { return data_; }
    RulesInfoMenu* rulesInfoMenu() const { return rulesMenu_; }
    EditorProgress* progress() const { return progress_; }
    QPushButton* testButton() const { return test_; }
    QPushButton* saveButton() const { return save_; }
    QPushButton* saveAsButton() const { return saveAs_; }
    QPushButton* closeButton() const { return close_; }
signals:
    void modifiedChanged(bool modified);
    // Which commands can act may have changed.
    void commandStateChanged();
    void userTermsChanged(const QStringList& names);
    // The rule base was written to path.
    void saved(const QString& path);
    // "&Test" was pressed: the rule base is compiled and wants a test window.
    void testRequested();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildWindow();
    void buildControllers();
    void connectTabs();
    QWidget& frame();
    void setCaption(const QString& caption);
    void setModified(bool modified);
    SaveOutcome writeTo(const QString& path);
    void tabChanged(int index);
    void variablesChanged(bool historyBroken);
    void updateTestButton();
    void startTest();
    void lockForTest(bool locked);
    // Learning works on a copy of the rule base, which then replaces it: nothing else may change it meanwhile.
    void lockForLearning(bool locked);
    void rulesLearned(bool userTermsReplaced);
    void vocabulariesTuned(const CRuleBase& before);
    void vocabulariesRestored();

    std::unique_ptr<CRuleBase> unit_;
    WorkbenchServices services_;
    QString fileName_;
    QString caption_;
    bool named_ = false;
    bool modified_ = false;
    bool returningToRules_ = false;

    QTabWidget* tabs_ = nullptr;
    EditorGeneralTab* general_ = nullptr;
    EditorVariablesTab* inputs_ = nullptr;
    EditorVariablesTab* outputs_ = nullptr;
    EditorRulesTab* rules_ = nullptr;
    EditorDataTab* data_ = nullptr;
    RulesInfoMenu* rulesMenu_ = nullptr;
    QWidget* shownTab_ = nullptr;
    EditorProgress* progress_ = nullptr;
    QPushButton* test_ = nullptr;
    QPushButton* save_ = nullptr;
    QPushButton* saveAs_ = nullptr;
    QPushButton* close_ = nullptr;
    RulesTabController* rulesControl_ = nullptr;
    VariablesTabController* variablesControl_ = nullptr;
    GeneralTabController* generalControl_ = nullptr;
    QPointer<QWidget> testWindow_;
    std::function<bool(const QString&)> shownElsewhere_;
};

}  // namespace zorv
