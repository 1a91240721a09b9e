#include "app/qt/rules/RulesTableModel.h"

#include "app/core/rules/RuleCellWords.h"
#include "app/core/rules/RulesGrid.h"
#include "app/qt/workbench/WorkbenchIcons.h"
#include "rulebase/CRuleBase.h"
#include "app/qt/workbench/ShownText.h"

namespace zorv {

RulesTableModel::RulesTableModel(RulesGrid& grid, QObject* parent) : QAbstractTableModel(parent), grid_(grid) {}

int RulesTableModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : grid_.rowCount(); }

int RulesTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : grid_.columns().count();
}

QVariant RulesTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole: return QString::fromStdString(grid_.cellText(index.row(), index.column()));
        case Qt::DecorationRole:
            if (index.column() != RuleGridColumns::kLabelColumn) return {};
            return grid_.enabled(index.row()) ? WorkbenchIcons::ruleEnabled() : WorkbenchIcons::ruleDisabled();
        case Qt::ToolTipRole: return toolTip(index);
        default: return {};
    }
}

QVariant RulesTableModel::toolTip(const QModelIndex& index) const {
    const RuleGridColumns& columns = grid_.columns();
    if (index.column() == RuleGridColumns::kLabelColumn) {
        const std::string& comment = grid_.comment(index.row());
        return comment.empty() ? QVariant() : QVariant(QString::fromStdString(comment));
    }
    if (!columns.isExpression(index.column()) || index.column() > columns.lastInput() + 1) return {};
    const CSettings& vocabulary = grid_.unit().Settings(columns.variableOf(index.column()));
    const auto hint = RuleCellWords::hint(vocabulary, grid_.text(index.row(), index.column()));
    return hint ? QVariant(QString::fromStdString(*hint)) : QVariant();
}

QVariant RulesTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return QAbstractTableModel::headerData(section, orientation, role);
    const std::string header = grid_.columns().header(section);
    // Variable names are the user's; the analysis titles are the workbench's.
    return grid_.columns().analysisColumn(section) ? shownText(header) : QString::fromStdString(header);
}

Qt::ItemFlags RulesTableModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    if (index.column() == RuleGridColumns::kLabelColumn) return Qt::ItemIsEnabled;
    const Qt::ItemFlags shown = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    return grid_.columns().isExpression(index.column()) ? shown | Qt::ItemIsEditable : shown;
}

bool RulesTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !index.isValid()) return false;
    if (!grid_.setText(index.row(), index.column(), value.toString().toStdString())) return false;
    emit dataChanged(index, index);
    emit cellEdited(index.row(), index.column());
    return true;
}

void RulesTableModel::reshape(const std::function<void()>& change) {
    beginResetModel();
    change();
    endResetModel();
}

void RulesTableModel::refreshCells() {
    if (rowCount() == 0) return;
    emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

}  // namespace zorv
