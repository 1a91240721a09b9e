#pragma once

#include <QObject>
#include <QStringList>
#include <cstdint>
#include <memory>
#include <vector>

#include "app/core/rules/RuleCommand.h"
#include "app/core/rules/RuleUndoHistory.h"
#include "app/core/tuning/VocabularyUndoStep.h"

class QTabWidget;
class QWidget;

namespace zorv {

class CRuleBase;
class EditorProgress;
class EditorRulesTab;
class Prompter;

// Runs an editor's rules: the undo history of its rule lists, the Edit menu's clipboard and rule commands
// on the Rules tab, and the words of the word toolbars. A command that changes the rules announces it with
// changed(); the editor marks itself modified, which remembers the rules for undo (remember()).
//
// A tuning changes the vocabularies, not the rules: it starts the rules' history again, as a change of the
// variables does, and is itself one more step below it (VocabularyUndoStep), taken back once the rule edits
// made since are; vocabulariesRestored() says that Undo or Redo put other vocabularies in place.
class RulesTabController final : public QObject {
    Q_OBJECT

public:
    // The Rules tab, the editor's tabs, its progress display and the editor window itself.
    struct Parts {
        EditorRulesTab& tab;
        QTabWidget& tabs;
        EditorProgress& progress;
        QWidget& window;
    };

    RulesTabController(CRuleBase& unit, Parts parts, Prompter& prompter, QObject* parent = nullptr);

    bool shown() const;
    // Whether the rules grid is shown and had the focus last among the window's controls: the menu bar
    // takes the keyboard while its menus are worked by keys (Alt+E), and gives it back when they close.
    bool gridFocused() const { return shown() && gridFocused_; }
    // A long command runs (Delete Redundant here, learning in the data tab); no other command is taken.
    bool busy() const { return busy_; }
    void setBusy(bool busy) { busy_ = busy; }

    // Remembers the rules for undo when they changed, unless the current rule cell is empty or wrong. While
    // a rule cell is edited, the rules are remembered once its editing ends, so that one Undo takes back the
    // whole edit.
    void remember();
    // Remembers rules the rule base was just given, listed elsewhere (learning lists them on its worker);
    // with restart, the history starts again from them.
    void rememberGiven(RuleList rules, bool restart);
    // Starts the history again from the rules as they are (the variables changed under them); forgets a tuning.
    void restartHistory();
    // The vocabularies were tuned from `before` to what the rule base holds now: one step for Undo.
    void recordVocabularyStep(const CRuleBase& before);
    void forgetVocabularyStep() { vocabularyStep_.reset(); }
    void undo();
    void redo();
    bool canUndo() const;
    bool canRedo() const;
    const RuleUndoHistory& history() const { return history_; }

    // The clipboard commands: the rules grid's when it has the focus, else the focused text control's own.
    bool canUseClipboard() const;
    void cut();
    void copy();
    void paste();
    // Delete Empty, Duplicate and Invert sign work on the focused rules grid; Delete Duplicit, Delete
    // Redundant and Merge Inconsistent on the rules while the Rules tab shows.
    bool canRun(RuleCommand command) const;
    void run(RuleCommand command);
    // A word from a word toolbar for the current rule cell; false when no rule cell takes it.
    bool insertWord(const QString& word, bool moveToNext);
    // The user terms of the current rule cell's variable (none unless the Rules tab shows).
    QStringList currentUserTerms() const;

signals:
    void changed();
    void vocabulariesRestored();
    // Which commands can act may have changed.
    void commandStateChanged();

private:
    void focusMoved(QWidget* now);
    void editEnded(bool filled);
    RuleList currentRules() const;
    // Whether the rules may have changed since they were last remembered (a cell being edited, say).
    bool changedSinceRemembered() const;
    void noteRemembered();
    void push(RuleList rules);
    void applyRules(const RuleList& rules);
    bool rulesCanUndo() const;
    bool rulesCanRedo() const;
    void stepVocabularies(bool back);
    void runAnalysisCommand(RuleCommand command);
    std::vector<RuleRow> withoutRedundant();

    CRuleBase& unit_;
    Parts parts_;
    Prompter& prompter_;
    RuleUndoHistory history_;
    std::unique_ptr<VocabularyUndoStep> vocabularyStep_;
    // What the rules were when last remembered: the grid's revision while it shows rows of its own, else
    // the rule base's compiled rules (a new set of rules is compiled anew).
    std::uint64_t rememberedGrid_ = 0;
    std::weak_ptr<const void> rememberedRules_;  // compared by identity; it keeps nothing alive
    bool busy_ = false;
    bool gridFocused_ = false;
};

}  // namespace zorv
