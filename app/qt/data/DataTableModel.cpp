#include "app/qt/data/DataTableModel.h"

#include "app/core/data/DataTable.h"

namespace zorv {

DataTableModel::DataTableModel(DataTable& table, QObject* parent) : QAbstractTableModel(parent), table_(table) {}

int DataTableModel::gridRow(int row) { return row + DataGrid::kHeaderRows; }

int DataTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : table_.Grid().DataRowCount();
}

int DataTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : table_.Grid().ColumnCount() - 1;
}

QVariant DataTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const int row = gridRow(index.row());
    const int column = gridColumn(index.column());
    switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole: return QString::fromStdString(table_.Grid().Cell(row, column));
        case Qt::TextAlignmentRole:
            return table_.Grid().Number(row, column) ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
        default: return {};
    }
}

QVariant DataTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return QAbstractTableModel::headerData(section, orientation, role);
    const DataGrid& grid = table_.Grid();
    if (orientation == Qt::Vertical) return QString::fromStdString(grid.Cell(gridRow(section), 0));
    const int column = gridColumn(section);
    return QString::fromStdString(grid.Cell(0, column) + "\n" + grid.Cell(1, column));
}

Qt::ItemFlags DataTableModel::flags(const QModelIndex& index) const {
    const Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    return locked_ || !index.isValid() ? flags : flags | Qt::ItemIsEditable;
}

bool DataTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (locked_ || !index.isValid() || role != Qt::EditRole) return false;
    table_.Grid().SetCell(gridRow(index.row()), gridColumn(index.column()), value.toString().toStdString());
    emit dataChanged(index, index);
    return true;
}

void DataTableModel::reshape(const std::function<void()>& change) {
    beginResetModel();
    change();
    endResetModel();
}

void DataTableModel::refreshHeaders() {
    if (columnCount() > 0) emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
}

void DataTableModel::refreshColumn(int gridColumn) {
    const int column = gridColumn - 1;
    if (column < 0 || column >= columnCount() || rowCount() == 0) return;
    emit dataChanged(index(0, column), index(rowCount() - 1, column));
}

void DataTableModel::appendRow() {
    const int row = rowCount();
    beginInsertRows({}, row, row);
    table_.AddRow();
    endInsertRows();
}

void DataTableModel::removeRow(int row) {
    if (row < 0 || row >= rowCount()) return;
    if (rowCount() == 1) {
        table_.DeleteRow(gridRow(row));
        emit dataChanged(index(0, 0), index(0, columnCount() - 1));
        emit headerDataChanged(Qt::Vertical, 0, 0);
        return;
    }
    beginRemoveRows({}, row, row);
    table_.DeleteRow(gridRow(row));
    endRemoveRows();
}

}  // namespace zorv
