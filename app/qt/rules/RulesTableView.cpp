#include "app/qt/rules/RulesTableView.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QStyle>
#include <QToolTip>

#include "app/qt/rules/RuleCellDelegate.h"

namespace zorv {
namespace {

constexpr int kRowPadding = 8;

bool isClipboardKey(const QKeyEvent* key) {
    return key->matches(QKeySequence::Copy) || key->matches(QKeySequence::Cut) || key->matches(QKeySequence::Paste);
}

// Ctrl with a letter belongs to the workbench's commands (Undo is Ctrl+U, Delete Empty Ctrl+E, ...), also
// where the line editor would take it for editing; it keeps Ctrl+A, Ctrl+Z and Ctrl+Y, its own.
bool isCommandKey(const QKeyEvent* key) {
    const int letter = key->key();
    return (key->modifiers() & ~Qt::KeypadModifier) == Qt::ControlModifier && letter >= Qt::Key_A &&
           letter <= Qt::Key_Z && letter != Qt::Key_A && letter != Qt::Key_Z && letter != Qt::Key_Y;
}

}  // namespace

RulesTableView::RulesTableView(QWidget* parent) : QTableView(parent), delegate_(new RuleCellDelegate(this)) {
    setItemDelegate(delegate_);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setTabKeyNavigation(true);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + kRowPadding);
    // A header click sorts the rows (headerEvent); it does not select the column.
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->viewport()->installEventFilter(this);
}

// A press on a header section, away from its edges where the column is resized, is the grid's: released on
// the same section it asks for sorting. Pressing the header would otherwise select the whole column.
bool RulesTableView::headerEvent(QEvent* event) {
    if (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseButtonRelease) return false;
    const QHeaderView* header = horizontalHeader();
    const int x = static_cast<int>(static_cast<QMouseEvent*>(event)->position().x());
    const int section = header->logicalIndexAt(x);
    if (event->type() == QEvent::MouseButtonRelease) {
        const bool clicked = section >= 0 && section == pressedSection_;
        pressedSection_ = -1;
        if (clicked && mayLeave()) emit sortRequested(section);
        return clicked;
    }
    const int grip = header->style()->pixelMetric(QStyle::PM_HeaderGripMargin, nullptr, header);
    const int left = header->sectionViewportPosition(section);
    if (section < 0 || x < left + grip || x > left + header->sectionSize(section) - grip) return false;
    pressedSection_ = section;
    return true;
}

void RulesTableView::setExpressionColumns(int lastInput, int lastExpression) {
    lastInput_ = lastInput;
    lastExpression_ = lastExpression;
    delegate_->setLastInputColumn(lastInput);
}

QRect RulesTableView::iconRect(int row) const {
    const QModelIndex label = model()->index(row, 0);
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    option.rect = visualRect(label);
    return delegate_->iconRect(option, label);
}

QString RulesTableView::editedText() const {
    if (const auto* line = qobject_cast<QLineEdit*>(indexWidget(currentIndex()))) return line->text();
    return currentIndex().data(Qt::EditRole).toString();
}

void RulesTableView::editCurrent(const QString* text) {
    const QModelIndex current = currentIndex();
    if (!(current.flags() & Qt::ItemIsEditable)) return;
    // As a double click does, so that an edit a click on the selected cell still delays does not get in the way.
    if (!isEditing()) edit(current, QAbstractItemView::DoubleClicked, nullptr);
    auto* line = qobject_cast<QLineEdit*>(indexWidget(current));
    if (line == nullptr) return;
    if (text != nullptr && line->text() != *text) {
        line->setText(*text);
        commitData(line);
    }
    line->setFocus();
}

void RulesTableView::finishEditing() {
    if (!isEditing()) return;
    if (QWidget* editor = indexWidget(currentIndex())) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

QString RulesTableView::toolTip(const QModelIndex& index) const {
    const QString hint = index.data(Qt::ToolTipRole).toString();
    if (!index.isValid() || index.column() == 0) return hint;
    const QString text = index.data(Qt::DisplayRole).toString();
    const int margin = 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1);
    if (fontMetrics().horizontalAdvance(text) <= columnWidth(index.column()) - margin) return hint;
    return hint.isEmpty() || hint == text ? text : text + QLatin1Char('\n') + hint;
}

bool RulesTableView::viewportEvent(QEvent* event) {
    if (event->type() != QEvent::ToolTip) return QTableView::viewportEvent(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const QModelIndex index = indexAt(help->pos());
    const QString tip = toolTip(index);
    if (tip.isEmpty()) {
        QToolTip::hideText();
    } else {
        QToolTip::showText(help->globalPos(), tip, viewport(), visualRect(index));
    }
    return true;
}

// The grid's clipboard keys belong to the grid, also while a cell is edited: the application's shortcuts of
// the same keys must not take them first.
bool RulesTableView::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (isClipboardKey(key) || key->key() == Qt::Key_Delete) {
            event->accept();
            return true;
        }
    }
    return QTableView::event(event);
}

bool RulesTableView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == horizontalHeader()->viewport()) return headerEvent(event) || QTableView::eventFilter(watched, event);
    if (watched != this && (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress)) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (isClipboardKey(key)) {
            event->accept();
            if (event->type() == QEvent::KeyPress) clipboardKey(key);
            return true;
        }
        if (event->type() == QEvent::ShortcutOverride && isCommandKey(key)) {
            event->ignore();
            return true;
        }
    }
    return QTableView::eventFilter(watched, event);
}

bool RulesTableView::clipboardKey(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        emit clipboardRequested(Clipboard::copy);
    } else if (event->matches(QKeySequence::Cut)) {
        emit clipboardRequested(Clipboard::cut);
    } else if (event->matches(QKeySequence::Paste)) {
        emit clipboardRequested(Clipboard::paste);
    } else {
        return false;
    }
    return true;
}

void RulesTableView::keyPressEvent(QKeyEvent* event) {
    if (clipboardKey(event)) return;
    if (event->key() == Qt::Key_Delete && event->modifiers() == Qt::NoModifier && !isEditing()) {
        emit deleteKeyPressed();
        return;
    }
    QTableView::keyPressEvent(event);
}

QModelIndex RulesTableView::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    if (action == MoveNext || action == MovePrevious) return tabTarget(action == MoveNext);
    if (!mayLeave()) return currentIndex();
    const QModelIndex target = QTableView::moveCursor(action, modifiers);
    return target.column() == 0 ? model()->index(target.row(), 1) : target;
}

// Tab runs along the expression cells and on to the next rule; on the last rule's last cell it asks for a new
// rule. Shift+Tab on a rule's first cell goes back to the previous rule's last cell.
QModelIndex RulesTableView::tabTarget(bool forward) {
    const QModelIndex current = currentIndex();
    if (!current.isValid() || !mayLeave()) return current;
    const int row = current.row();
    const int column = current.column();
    if (forward) {
        if (column < 1) return model()->index(row, 1);
        if (column < lastExpression_) return model()->index(row, column + 1);
        if (row + 1 == model()->rowCount()) emit appendRuleRequested();
        return row + 1 < model()->rowCount() ? model()->index(row + 1, 1) : current;
    }
    if (column > lastExpression_) return model()->index(row, lastExpression_);
    if (column > 1) return model()->index(row, column - 1);
    return row > 0 ? model()->index(row - 1, lastExpression_) : current;
}

bool RulesTableView::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
    const bool wasEditing = isEditing();
    // Read before the editor opens: the key that opens it by typing is in the model by the time it is open.
    const QString before = index.data(Qt::EditRole).toString();
    if (!QTableView::edit(index, trigger, event)) return false;
    if (!wasEditing && isEditing()) {
        // Reopened on a refused cell, the editor still takes back to the text from before the first edit.
        if (!reopening_ || index != edited_) textBeforeEdit_ = before;
        edited_ = index;
        if (QWidget* editor = indexWidget(index)) editor->installEventFilter(this);
    }
    return true;
}

// Tab or Enter on a cell that fails its check keeps the editor open, so that the text can be mended or
// taken back; Escape takes back what the editor wrote.
void RulesTableView::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    const bool moving = hint == QAbstractItemDelegate::EditNextItem || hint == QAbstractItemDelegate::EditPreviousItem;
    if ((moving || hint == QAbstractItemDelegate::SubmitModelCache) && !mayLeave()) {
        editor->setFocus();
        return;
    }
    if (hint == QAbstractItemDelegate::RevertModelCache) model()->setData(edited_, textBeforeEdit_);
    QTableView::closeEditor(editor, hint);
    if (!isEditing() && edited_.isValid()) emit editingEnded(edited_.row(), edited_.column());
}

void RulesTableView::mousePressEvent(QMouseEvent* event) {
    const QModelIndex target = indexAt(event->position().toPoint());
    const bool leaving = target.isValid() && target != currentIndex();
    if (leaving && !mayLeave()) {
        // The refused cell keeps the cursor and its editor; the click's focus change may have closed it.
        reopening_ = true;
        editCurrent();
        reopening_ = false;
        return;
    }
    // A click on one cell of a larger selection selects that cell alone, as on any other cell: a selected
    // cell would otherwise keep the whole selection and open its editor.
    if (target.isValid() && target.column() != 0 && event->button() == Qt::LeftButton &&
        event->modifiers() == Qt::NoModifier && selectsSeveralCells()) {
        clearSelection();
    }
    if (!target.isValid() || target.column() != 0 || event->button() != Qt::LeftButton) {
        QTableView::mousePressEvent(event);
        return;
    }
    if (iconRect(target.row()).contains(event->position().toPoint())) {
        emit iconClicked(target.row());
        return;
    }
    labelDragRow_ = target.row();
    emit labelClicked(target.row(), event->modifiers().testFlag(Qt::ShiftModifier));
}

// A drag that started on a label extends the row selection.
void RulesTableView::mouseMoveEvent(QMouseEvent* event) {
    if (labelDragRow_ < 0) {
        QTableView::mouseMoveEvent(event);
        return;
    }
    const int row = rowAt(static_cast<int>(event->position().y()));
    if (row >= 0 && row != labelDragRow_) {
        labelDragRow_ = row;
        emit labelClicked(row, true);
    }
}

void RulesTableView::mouseReleaseEvent(QMouseEvent* event) {
    if (labelDragRow_ >= 0) {
        labelDragRow_ = -1;
        return;
    }
    QTableView::mouseReleaseEvent(event);
}

bool RulesTableView::selectsSeveralCells() const {
    const QItemSelection selection = selectionModel()->selection();
    return selection.size() > 1 || (selection.size() == 1 && (selection.first().width() > 1 || selection.first().height() > 1));
}

bool RulesTableView::onLastCell() const {
    const QModelIndex current = currentIndex();
    return current.isValid() && current.row() + 1 == model()->rowCount() && current.column() >= lastExpression_;
}

// Tab on the last rule's last cell adds a rule and stays in the grid, on the new rule's first cell: focus
// moving on to the next control would take the keys meant for the new rule.
bool RulesTableView::focusNextPrevChild(bool next) {
    if (!next || !onLastCell() || isEditing()) return QTableView::focusNextPrevChild(next);
    if (mayLeave()) emit appendRuleRequested();
    return true;
}

void RulesTableView::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTableView::currentChanged(current, previous);
    emit cellSelectionChanged();
}

}  // namespace zorv
