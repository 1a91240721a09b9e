#pragma once

#include <QAbstractTableModel>
#include <functional>

namespace zorv {

class DataTable;

// The data table as a Qt table: a thin view of DataTable. The grid's two header rows make the column
// headers (the name over the context), its row labels the row headers; the model's cells are the data
// cells of columns 1 and on. Cells are editable unless the model is locked, which it is while a worker
// reads the table.
class DataTableModel final : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit DataTableModel(DataTable& table, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    void setLocked(bool locked) { locked_ = locked; }
    bool locked() const { return locked_; }

    // Runs a change of the table's shape (rows, columns, the whole grid); the views start afresh.
    void reshape(const std::function<void()>& change);
    // The header rows changed in place (the same columns).
    void refreshHeaders();
    // The cells of a grid column changed in place.
    void refreshColumn(int gridColumn);
    void appendRow();
    // Removes the data row of the model's row (the only one is emptied instead).
    void removeRow(int row);

    // The grid row and column of a model index.
    static int gridRow(int row);
    static int gridColumn(int column) { return column + 1; }

private:
    DataTable& table_;
    bool locked_ = false;
};

}  // namespace zorv
