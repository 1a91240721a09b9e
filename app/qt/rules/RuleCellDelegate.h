#pragma once

#include <QStyledItemDelegate>

namespace zorv {

// Draws and edits the cells of the rules grid. A thick black bar at the right edge of the last input column
// separates the antecedents from the succedents. Cells are edited in a line editor whose every change is
// written to the model at once, so that the syntax check and the analysis follow the typing.
class RuleCellDelegate final : public QStyledItemDelegate {
    Q_OBJECT

public:
    static constexpr int kBarWidth = 2;

    explicit RuleCellDelegate(QObject* parent = nullptr) : QStyledItemDelegate(parent) {}

    void setLastInputColumn(int column) { lastInput_ = column; }
    // Where the enabled icon of a label cell is drawn.
    QRect iconRect(const QStyleOptionViewItem& option, const QModelIndex& index) const;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    int lastInput_ = 0;
};

}  // namespace zorv
