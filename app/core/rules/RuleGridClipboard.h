#pragma once

#include <string>
#include <vector>

#include "app/core/rules/RuleGridRow.h"

namespace zorv {

class RulesGrid;

// What the rules grid remembers about its clipboard: whether the last copy was a single cell (copied while
// editing it) or rows, and the comments of the rows copied last, which come back with them when that same
// rows are pasted (the clipboard itself holds plain text only).
class RuleGridClipboard {
public:
    enum class Paste {
        replaceRows,  // row mode: the selected rows give way to the clipboard's rows
        intoCell,     // editing, after a cell was copied: the cell's text becomes the clipboard text
        insertRows,   // not editing, after rows were copied: the rows go below the current row
        nothing,
    };

    // The text to put on the clipboard.
    std::string copyCell(const std::string& text);
    std::string copyRows(const RulesGrid& grid, int first, int last);

    Paste pasteKind(bool rowMode, bool editing) const;
    // The rows a clipboard text stands for: enabled, one text per expression column.
    std::vector<RuleGridRow> rowsOf(const std::string& text, int expressionCount) const;

    bool holdsCell() const { return holdsCell_; }

private:
    bool holdsCell_ = false;
    std::vector<std::vector<std::string>> copiedTexts_;
    std::vector<std::string> copiedComments_;
};

}  // namespace zorv
