#pragma once

#include <optional>
#include <string>

#include "app/core/rules/RuleGridClipboard.h"

namespace zorv {

class RulesGrid;

// The selection of the rules grid: a block of rows and columns and its current cell (at its top left).
// Row mode: the rows were chosen by clicking their labels, and span every expression column.
struct RuleGridSelection {
    int top = 0;
    int bottom = 0;
    int left = 1;
    int right = 1;
    bool rowMode = false;

    static RuleGridSelection cell(int row, int column) { return {row, row, column, column, false}; }
    bool spansColumns() const { return right > left; }
    bool operator==(const RuleGridSelection&) const = default;
};

// The commands of the rules grid on its selection, apart from any widget: adding and deleting rules, the
// Delete key, the clipboard (as plain text in and out), Duplicate, Invert sign and Delete Empty. Each keeps
// the selection on rows that exist and tells whether the grid changed; the caller checks the current cell
// before any of them runs, and marks the editor modified after those that change it.
class RulesGridCommands {
public:
    explicit RulesGridCommands(RulesGrid& grid) : grid_(grid) {}

    const RuleGridSelection& selection() const { return selection_; }
    void select(const RuleGridSelection& selection) { selection_ = selection; }
    // A click on a row label selects that row in row mode; with shift the rows from the anchor row on.
    void clickLabel(int row, bool shift);
    // The selection kept inside the grid after rows changed (the first expression cell when it is empty).
    void clampSelection();

    // One empty row below the selection's top row; the selection becomes its first cell. Returns its row.
    int addRule();
    // The selected rows; refused (false) when they are every row.
    bool deleteRule();

    enum class DeleteKey { deletedRows, emptiedCell, nothing };
    // Several columns selected: "Delete rule"; a single cell not being edited is emptied (then edited).
    DeleteKey deleteKey(bool editing);

    // The text for the clipboard. Editing: the edited cell's text; otherwise the selected rows.
    std::string copy(bool editing, const std::string& editedText);
    // Copies the selected rows, then deletes them (unless they are every row).
    std::string cut();

    // What a paste did: rows changed, or the text the edited cell takes.
    struct Pasted {
        bool rowsChanged = false;
        std::optional<std::string> cellText;
    };
    Pasted paste(bool editing, const std::string& clipboardText);
    RuleGridClipboard::Paste pasteKind(bool editing) const { return clipboard_.pasteKind(selection_.rowMode, editing); }
    // Copies the selected rows (the returned text replaces the clipboard's) and inserts them below the last.
    std::string duplicate();

    bool invertSign();
    int deleteEmpty();

private:
    RulesGrid& grid_;
    RuleGridClipboard clipboard_;
    RuleGridSelection selection_;
    int anchor_ = 0;
};

}  // namespace zorv
