#pragma once

#include <QAbstractTableModel>
#include <functional>

namespace zorv {

class RulesGrid;

// The rules grid as a Qt table: a thin view of RulesGrid. Column 0 shows the row label with the rule's
// enabled icon (its tool tip: the rule's comment lines); expression cells are editable and show as their
// tool tip the expression as parsed and printed back (inputs and the first output); the analysis columns
// are read-only. Every edit of a cell reaches the grid at once.
class RulesTableModel final : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit RulesTableModel(RulesGrid& grid, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    RulesGrid& grid() const { return grid_; }
    // Runs a change of rows or columns of the grid; the views start afresh afterwards.
    void reshape(const std::function<void()>& change);
    // The cells of the grid changed in place: texts, flags or the analysis.
    void refreshCells();

signals:
    // A cell's text was changed through the model (an edit in the table).
    void cellEdited(int row, int column);

private:
    QVariant toolTip(const QModelIndex& index) const;

    RulesGrid& grid_;
};

}  // namespace zorv
