#include "app/qt/terms/UserTermsGrid.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace zorv {

UserTermsGrid::UserTermsGrid(QWidget* parent) : QTableWidget(parent) {
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setTabKeyNavigation(true);
}

void UserTermsGrid::commitEditing() {
    if (state() != QAbstractItemView::EditingState) return;
    QWidget* editor = indexWidget(currentIndex());
    if (editor == nullptr) return;
    commitData(editor);
    closeEditor(editor, QAbstractItemDelegate::NoHint);
}

QModelIndex UserTermsGrid::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    if (!mayLeave()) return currentIndex();
    const bool tab = action == MoveNext || action == MovePrevious;
    if (!tab || !navigator_) return QTableWidget::moveCursor(action, modifiers);
    const QModelIndex current = currentIndex();
    const auto next = navigator_(current.row(), current.column(), action == MoveNext);
    return next ? model()->index(next->first, next->second) : current;
}

// Tab out of a refused cell: the editor stays open in that cell instead of moving on to the next one.
void UserTermsGrid::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    const bool moving = hint == QAbstractItemDelegate::EditNextItem || hint == QAbstractItemDelegate::EditPreviousItem;
    if (moving && !mayLeave()) {
        editor->setFocus();
        return;
    }
    QTableWidget::closeEditor(editor, hint);
}

void UserTermsGrid::mousePressEvent(QMouseEvent* event) {
    const QModelIndex target = indexAt(event->position().toPoint());
    if (target.isValid() && target != currentIndex() && !mayLeave()) {
        edit(currentIndex());
        return;
    }
    QTableWidget::mousePressEvent(event);
}

void UserTermsGrid::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        emit copyRequested();
        return;
    }
    if (event->matches(QKeySequence::Paste)) {
        emit pasteRequested();
        return;
    }
    QTableWidget::keyPressEvent(event);
}

}  // namespace zorv
