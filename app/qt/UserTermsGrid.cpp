#include "app/qt/UserTermsGrid.h"

#include <QKeyEvent>

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
    const bool tab = action == MoveNext || action == MovePrevious;
    if (!tab || !navigator_) return QTableWidget::moveCursor(action, modifiers);
    const QModelIndex current = currentIndex();
    const auto next = navigator_(current.row(), current.column(), action == MoveNext);
    return next ? model()->index(next->first, next->second) : current;
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
