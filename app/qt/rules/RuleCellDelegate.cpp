#include "app/qt/rules/RuleCellDelegate.h"

#include <QApplication>
#include <QLineEdit>
#include <QPainter>

namespace zorv {

QRect RuleCellDelegate::iconRect(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    const QStyle* style = item.widget != nullptr ? item.widget->style() : QApplication::style();
    return style->subElementRect(QStyle::SE_ItemViewItemDecoration, &item, item.widget);
}

QWidget* RuleCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                        const QModelIndex& index) const {
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (auto* line = qobject_cast<QLineEdit*>(editor)) {
        connect(line, &QLineEdit::textEdited, this, [this, line] {
            emit const_cast<RuleCellDelegate*>(this)->commitData(line);
        });
    }
    return editor;
}

// The model hears every keystroke; writing its text back would only move the cursor.
void RuleCellDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    auto* line = qobject_cast<QLineEdit*>(editor);
    const QString text = index.data(Qt::EditRole).toString();
    if (line != nullptr && line->text() == text) return;
    QStyledItemDelegate::setEditorData(editor, index);
}

void RuleCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QStyledItemDelegate::paint(painter, option, index);
    if (index.column() != lastInput_) return;
    painter->save();
    painter->fillRect(QRect(option.rect.right() - kBarWidth + 1, option.rect.top(), kBarWidth, option.rect.height()),
                      Qt::black);
    painter->restore();
}

}  // namespace zorv
