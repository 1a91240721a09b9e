#pragma once

#include <QPersistentModelIndex>
#include <QTableView>
#include <functional>

namespace zorv {

class RuleCellDelegate;

// The table of the rules grid. It keeps the cursor in a cell that fails its check (by keys, Tab or a click
// elsewhere, while editing or not), takes Tab and Shift+Tab along the rules' expression cells (Tab on the
// last cell of the last rule asks for a new rule), leaves the row labels to row selection and the enabled
// icons, and hands the Delete key, the clipboard keys and header clicks to its owner.
class RulesTableView final : public QTableView {
    Q_OBJECT

public:
    enum class Clipboard { cut, copy, paste };
    // Whether the current cell may be left; shows why not.
    using LeaveCheck = std::function<bool()>;

    explicit RulesTableView(QWidget* parent = nullptr);
    using QTableView::edit;

    void setLeaveCheck(LeaveCheck check) { mayLeave_ = std::move(check); }
    void setExpressionColumns(int lastInput, int lastExpression);
    RuleCellDelegate* cellDelegate() const { return delegate_; }
    // Where the enabled icon of a row's label is drawn (viewport coordinates).
    QRect iconRect(int row) const;

    bool isEditing() const { return state() == QAbstractItemView::EditingState; }
    // The open cell editor's text (the cell's text when none is open).
    QString editedText() const;
    // Opens the editor on the current cell (with text when given) and gives it the focus.
    void editCurrent(const QString* text = nullptr);
    // Closes an open editor, keeping its text.
    void finishEditing();
    // The width a column's texts ask for, measured on a bounded sample of rows.
    int contentWidth(int column) const { return sizeHintForColumn(column); }
    // What the mouse resting on a cell shows: the whole text when the column cuts it, then the cell's own
    // hint (the expression as parsed and printed back).
    QString toolTip(const QModelIndex& index) const;

signals:
    void clipboardRequested(zorv::RulesTableView::Clipboard command);
    void deleteKeyPressed();
    void appendRuleRequested();
    void labelClicked(int row, bool shift);
    void iconClicked(int row);
    void sortRequested(int column);
    void cellSelectionChanged();
    // A cell editor closed; its text is in the model.
    void editingEnded(int row, int column);

protected:
    bool event(QEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    bool focusNextPrevChild(bool next) override;

private:
    bool mayLeave() const { return !mayLeave_ || mayLeave_(); }
    bool onLastCell() const;
    bool selectsSeveralCells() const;
    bool clipboardKey(QKeyEvent* event);
    bool headerEvent(QEvent* event);
    QModelIndex tabTarget(bool forward);

    RuleCellDelegate* delegate_;
    LeaveCheck mayLeave_;
    int lastInput_ = 0;
    int lastExpression_ = 0;
    QString textBeforeEdit_;
    bool reopening_ = false;   // the editor of a cell that could not be left opens again
    QPersistentModelIndex edited_;  // the cell of the open editor
    int labelDragRow_ = -1;    // the row under a drag that started on a label
    int pressedSection_ = -1;  // the header section a sorting click began on
};

}  // namespace zorv
