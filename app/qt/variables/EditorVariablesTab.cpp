#include "app/qt/variables/EditorVariablesTab.h"

#include <algorithm>

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include "app/qt/workbench/ShownText.h"

namespace zorv {
namespace {

QStringList headerLabels() {
    QStringList labels;
    for (const std::string& header : UnitVariableRows::headers()) {
        labels << shownText(header);
    }
    return labels;
}

}  // namespace

EditorVariablesTab::EditorVariablesTab(bool input, QWidget* parent)
    : QWidget(parent),
      input_(input),
      grid_(new QTableWidget(this)),
      edit_(new QPushButton(tr("Edit varia&ble"), this)) {
    grid_->setColumnCount(static_cast<int>(UnitVariableRows::headers().size()));
    grid_->setHorizontalHeaderLabels(headerLabels());
    grid_->verticalHeader()->hide();
    grid_->horizontalHeader()->setStretchLastSection(true);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);

    // The buttons' mnemonics stay apart from the editor's "Save &As" and the main window's "&Edit" menu.
    auto* buttons = new QHBoxLayout;
    if (input_) {
        add_ = new QPushButton(tr("Add variab&le"), this);
        delete_ = new QPushButton(tr("&Delete variable"), this);
        buttons->addWidget(add_);
        buttons->addWidget(delete_);
        connect(add_, &QPushButton::clicked, this, &EditorVariablesTab::addRequested);
        connect(delete_, &QPushButton::clicked, this, [this] { emit deleteRequested(selectedRow()); });
    }
    buttons->addWidget(edit_);
    buttons->addStretch();
    connect(edit_, &QPushButton::clicked, this, [this] { emit editRequested(selectedRow()); });
    connect(grid_, &QTableWidget::cellDoubleClicked, this, [this](int row, int) { emit editRequested(row); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grid_, 1);
    layout->addLayout(buttons);
}

void EditorVariablesTab::fill(const std::vector<UnitVariableRow>& rows) {
    const int keep = selectedRow();
    grid_->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < grid_->rowCount(); ++r) {
        const UnitVariableRow& row = rows[static_cast<std::size_t>(r)];
        const std::string* cells[] = {&row.name, &row.shortName, &row.low, &row.high, &row.type};
        for (int c = 0; c < grid_->columnCount(); ++c) {
            grid_->setItem(r, c, new QTableWidgetItem(QString::fromStdString(*cells[c])));
        }
    }
    grid_->resizeColumnsToContents();
    selectRow(std::min(std::max(keep, 0), grid_->rowCount() - 1));
}

int EditorVariablesTab::selectedRow() const {
    const int row = grid_->currentRow();
    return row >= 0 && row < grid_->rowCount() ? row : -1;
}

void EditorVariablesTab::selectRow(int row) {
    if (row >= 0 && row < grid_->rowCount()) {
        grid_->selectRow(row);
        grid_->setCurrentCell(row, 0);
    }
}

}  // namespace zorv
