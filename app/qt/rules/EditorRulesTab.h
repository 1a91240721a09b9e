#pragma once

#include <QStringList>
#include <QWidget>
#include <array>
#include <vector>

#include "app/core/rules/RulesGrid.h"
#include "app/core/rules/RulesGridCommands.h"
#include "app/qt/rules/RulesAnalysisRunner.h"
#include "app/qt/rules/RulesTableView.h"

class QLabel;
class QPushButton;

namespace zorv {

class CRuleBase;
class RulesInfoMenu;
class RulesTableModel;
struct RuleCellCheck;

// An editor's "&Rules" tab: the rule form above the rules grid, the grid, the three labels of the live syntax
// check under it (message, the text's good part and its bad part in red) and the buttons "Add rule" and
// "Delete rule". It keeps the grid and the rule base in step (fill on entering, commit before the analysis
// and on leaving) and runs the grid's commands; every change is announced with changed().
class EditorRulesTab final : public QWidget {
    Q_OBJECT

public:
    EditorRulesTab(CRuleBase& unit, RulesInfoMenu& menu, QWidget* parent = nullptr);
    ~EditorRulesTab() override;

    // Shows the rules of the rule base; the analysis follows.
    void fill();
    // Gives the rule base the grid's complete rows.
    void commit();
    // The grid's rules as a commit would hand them over.
    std::vector<RuleRow> rules() const { return grid_.rules(); }
    // The variables changed: the grid is filled again, its columns sized afresh and every text described anew.
    void variablesChanged();

    // The current cell's check, shown in the labels; true when it passes (or is no expression cell).
    bool checkCurrent();
    // Whether the current cell holds a text that passes its check.
    bool currentCellFilled() const;
    // Whether a cell is being edited.
    bool editing() const { return view_->isEditing(); }
    // Closes an open cell editor, keeping its text.
    void finishEditing() { view_->finishEditing(); }
    // The tab may be left when the current cell passes and no expression cell is empty; otherwise the first
    // empty cell becomes current and the grid gets the focus.
    bool mayLeave();
    // Whether focus is the grid or its cell editor.
    bool holds(const QWidget* focus) const;
    // Gives the grid the keyboard unless it or its cell editor has it (after a command from a menu worked by
    // keys, whose menu bar may not find the closed cell editor to give it back to).
    void takeFocus();
    // The user terms of the current cell's variable.
    QStringList currentUserTerms() const;

    void copy();
    void cut();
    void paste();
    void duplicate();
    void deleteEmpty();
    void invertSign();
    void addRule();
    void deleteRule();
    // A toolbar word for the current cell, which is then edited; with moveToNext, Tab follows.
    void insertWord(const QString& word, bool moveToNext);

    // An analysis display is waiting for a pause or running.
    bool analysisPending() const { return runner_.busy(); }

    RulesTableView* view() const { return view_; }
    RulesTableModel* model() const { return model_; }
    const RulesGrid& grid() const { return grid_; }
    QLabel* ruleFormLabel() const { return form_; }
    QLabel* messageLabel() const { return message_; }
    QLabel* goodPartLabel() const { return goodPart_; }
    QLabel* badPartLabel() const { return badPart_; }
    QPushButton* addButton() const { return add_; }
    QPushButton* deleteButton() const { return delete_; }

signals:
    // The rules changed; while a cell is edited, at every keystroke.
    void changed();
    // The editing of a cell ended; filled: it holds a text that passes its check.
    void editEnded(bool filled);
    void userTermsChanged(const QStringList& names);

private:
    void buildTab();
    void connectView();
    void showCheck(const RuleCellCheck& check);
    // Whether text passes as the content of an expression cell of column (true for other columns).
    bool cellFilled(int column, const std::string& text) const;
    void sizeColumns();
    void toggleColumn(RulesInfoColumn column, bool shown);
    void scheduleAnalysis();
    void analysisFinished(std::uint64_t revision, const RulesAnalysisRunner::Infos& infos);
    // Runs a command that may change rows; the view starts afresh and shows the command's selection.
    template <typename Command>
    auto reshaping(Command&& command);
    void afterChange();
    void readSelection();
    void showSelection();
    void onClipboardKey(RulesTableView::Clipboard command);
    void onDeleteKey();
    void onLabelClicked(int row, bool shift);
    void onIconClicked(int row);
    void onSort(int column);
    void onCurrentCellChanged();

    CRuleBase& unit_;
    RulesInfoMenu& menu_;
    RulesGrid grid_;
    RulesGridCommands commands_;
    RulesAnalysisRunner runner_;
    bool widthsStale_ = true;
    bool showingSelection_ = false;
    std::array<int, RuleGridColumns::kAnalysisCount> hiddenWidths_{};

    RulesTableModel* model_ = nullptr;
    RulesTableView* view_ = nullptr;
    QLabel* form_ = nullptr;
    QLabel* message_ = nullptr;
    QLabel* goodPart_ = nullptr;
    QLabel* badPart_ = nullptr;
    QPushButton* add_ = nullptr;
    QPushButton* delete_ = nullptr;
};

}  // namespace zorv
