// The engine comes before Qt, whose "slots" macro would otherwise rewrite its members.
#include "rulebase/CRuleBase.h"

#include "app/qt/terms/UserTermsDialog.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QMenu>
#include <QPushButton>
#include <QSet>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

#include "app/core/terms/TermChartDrag.h"
#include "app/core/terms/TermChartGeometry.h"
#include "app/core/terms/TermStandardList.h"
#include "app/core/terms/TermTypeChange.h"
#include "app/qt/workbench/MessageBoxPrompter.h"
#include "app/qt/workbench/ShownText.h"
#include "app/qt/terms/TermChart.h"
#include "app/qt/terms/TermClipboardStore.h"
#include "app/qt/terms/UserTermsGrid.h"
#include "fuzzy/vocabulary/CBasicSettings.h"

namespace zorv {

namespace {

constexpr int kLabelWidth = 34;
constexpr int kNameWidth = 110;
constexpr int kValueWidth = 76;

UserTermTable StandardTable(const CRuleBase& unit, int signedIndex) {
    UserTermTable table(unit.ContextLow(signedIndex), unit.ContextHigh(signedIndex));
    for (UserTermRow& row : TermStandardList::Rows(unit.Settings(signedIndex))) table.appendRow(std::move(row));
    return table;
}

void SetHeaders(QTableWidget* grid) {
    grid->setColumnCount(UserTermTable::kColumnCount);
    QStringList headers;
    for (int column = 0; column < UserTermTable::kColumnCount; ++column) {
        headers << shownText(UserTermTable::Header(column));
    }
    grid->setHorizontalHeaderLabels(headers);
    grid->verticalHeader()->hide();
    grid->horizontalHeader()->setDefaultSectionSize(kValueWidth);
    grid->setColumnWidth(UserTermTable::kLabelColumn, kLabelWidth);
    grid->setColumnWidth(UserTermTable::kNameColumn, kNameWidth);
    grid->setColumnWidth(UserTermTable::kUsageColumn, kLabelWidth);
}

QPushButton* Button(const QString& text, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setAutoDefault(false);
    return button;
}

}  // namespace

UserTermsDialog::UserTermsDialog(CRuleBase& unit, int signedIndex, TermClipboard& clipboard,
                                 Prompter& prompter, QWidget* parent)
    : QDialog(parent),
      unit_(unit),
      clipboard_(clipboard),
      prompter_(prompter),
      session_(unit, signedIndex),
      standardTable_(StandardTable(unit, signedIndex)) {
    setWindowTitle(tr("User expressions"));
    pages_ = new QTabWidget(this);
    pages_->addTab(buildUserPage(), tr("User"));
    pages_->addTab(buildStandardPage(), tr("Standard"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages_);
    resize(820, 620);
    refreshGrid();
    fillStandardGrid();
}

bool UserTermsDialog::edit(QWidget* parent, CRuleBase& unit, int signedIndex) {
    if (dynamic_cast<const CBasicSettings*>(&unit.Settings(signedIndex)) == nullptr) return false;
    MessageBoxPrompter boxes;
    UserTermsDialog dialog(unit, signedIndex, TermClipboardStore::application(), boxes, parent);
    return dialog.exec() == QDialog::Accepted;
}

QWidget* UserTermsDialog::buildUserPage() {
    auto* page = new QWidget(this);
    grid_ = new UserTermsGrid(page);
    SetHeaders(grid_);
    grid_->setContextMenuPolicy(Qt::CustomContextMenu);
    grid_->setNavigator([this](int row, int column, bool forward) {
        return session_.table().adjacentCell(row, column, forward);
    });
    grid_->setLeaveCheck([this] { return grid_->currentRow() < 0 || leaveCell(grid_->currentRow(), grid_->currentColumn()); });
    chart_ = new TermChart(page);
    chart_->setTable(&session_.table());
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(grid_, 3);
    layout->addWidget(buildButtons());
    layout->addWidget(chart_, 2);
    connect(grid_, &QTableWidget::itemChanged, this, &UserTermsDialog::onItemChanged);
    connect(grid_, &QTableWidget::currentCellChanged, this, &UserTermsDialog::onCurrentCellChanged);
    connect(grid_, &UserTermsGrid::copyRequested, this, &UserTermsDialog::copyTerms);
    connect(grid_, &UserTermsGrid::pasteRequested, this, &UserTermsDialog::pasteTerms);
    connect(grid_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& position) { typeMenu_->exec(grid_->viewport()->mapToGlobal(position)); });
    connect(chart_, &TermChart::pressed, this, &UserTermsDialog::onChartPressed);
    connect(chart_, &TermChart::dragged, this, &UserTermsDialog::onChartDragged);
    connect(chart_, &TermChart::released, this, [this](QPointF position) {
        onChartDragged(position);
        dragSlot_.reset();
    });
    return page;
}

QWidget* UserTermsDialog::buildButtons() {
    auto* bar = new QWidget(this);
    auto* layout = new QHBoxLayout(bar);
    layout->setContentsMargins(0, 0, 0, 0);
    const auto add = [&](const QString& text, auto handler) {
        QPushButton* button = Button(text, bar);
        connect(button, &QPushButton::clicked, this, handler);
        layout->addWidget(button);
        return button;
    };
    add(tr("Add &Quadratic"), &UserTermsDialog::addQuadratic);
    add(tr("Add &Trapezoid"), &UserTermsDialog::addTrapezoid);
    add(tr("Add T&riangular"), &UserTermsDialog::addTriangular);
    add(tr("Add &Uniform"), &UserTermsDialog::addUniform);
    addGaussian_ = add(tr("Add &Gaussian"), &UserTermsDialog::addGaussian);
    addGaussian_->hide();
    QPushButton* changeType = Button(tr("Change Type"), bar);
    typeMenu_ = buildTypeMenu();
    changeType->setMenu(typeMenu_);
    layout->addWidget(changeType);
    add(tr("&Delete"), &UserTermsDialog::deleteTerm);
    layout->addStretch();
    add(tr("OK"), &UserTermsDialog::accept)->setDefault(true);
    add(tr("Cancel"), &UserTermsDialog::reject);
    return bar;
}

QMenu* UserTermsDialog::buildTypeMenu() {
    auto* menu = new QMenu(this);
    const auto item = [&](const QString& text, std::string_view type) {
        QAction* action = menu->addAction(text, this, [this, type] { changeType(type); });
        action->setData(QString::fromUtf8(type.data(), static_cast<qsizetype>(type.size())));
        return action;
    };
    item(tr("to &Quadratic"), UserTermShape::kQuadratic);
    item(tr("to &Trapezoid"), UserTermShape::kTrapezoid);
    item(tr("to Trian&gular"), UserTermShape::kTriang);
    item(tr("to Gaussian"), UserTermShape::kGaussian)->setVisible(false);
    connect(menu, &QMenu::aboutToShow, this, &UserTermsDialog::updateTypeMenu);
    return menu;
}

void UserTermsDialog::updateTypeMenu() {
    const int row = grid_->currentRow();
    for (QAction* action : typeMenu_->actions()) {
        action->setEnabled(TermTypeChange::Allowed(session_.table(), row, action->data().toString().toStdString()));
    }
}

QWidget* UserTermsDialog::buildStandardPage() {
    auto* page = new QWidget(this);
    standardGrid_ = new QTableWidget(page);
    SetHeaders(standardGrid_);
    standardGrid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    standardChart_ = new TermChart(page);
    standardChart_->setTable(&standardTable_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    QPushButton* ok = Button(tr("OK"), page);
    QPushButton* cancel = Button(tr("Cancel"), page);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(standardGrid_, 3);
    layout->addLayout(buttons);
    layout->addWidget(standardChart_, 2);
    connect(ok, &QPushButton::clicked, this, &UserTermsDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &UserTermsDialog::reject);
    connect(standardGrid_, &QTableWidget::currentCellChanged, standardChart_,
            [this](int row) { standardChart_->setCurrentRow(row); });
    return page;
}

void UserTermsDialog::fillStandardGrid() {
    standardGrid_->setRowCount(standardTable_.shownRowCount());
    for (int row = 0; row < standardTable_.shownRowCount(); ++row) {
        for (int column = 0; column < UserTermTable::kUsageColumn; ++column) {
            setItem(standardGrid_, standardTable_, row, column, false);
        }
    }
}

void UserTermsDialog::setItem(QTableWidget* grid, const UserTermTable& table, int row, int column, bool editableGrid) {
    auto* item = new QTableWidgetItem(QString::fromStdString(table.cellText(row, column)));
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    const bool fixed = column == UserTermTable::kLabelColumn || column == UserTermTable::kUsageColumn;
    if (table.empty() || fixed) flags = Qt::NoItemFlags;
    if (editableGrid && table.editable(row, column)) flags |= Qt::ItemIsEditable;
    item->setFlags(flags);
    item->setForeground(palette().color(QPalette::Text));
    grid->setItem(row, column, item);
}

void UserTermsDialog::refreshGrid() {
    const int row = grid_->currentRow();
    const int column = grid_->currentColumn();
    syncing_ = true;
    grid_->setRowCount(session_.table().shownRowCount());
    for (int r = 0; r < session_.table().shownRowCount(); ++r) {
        for (int c = 0; c < UserTermTable::kColumnCount; ++c) setItem(grid_, session_.table(), r, c, true);
    }
    syncing_ = false;
    const int rows = session_.table().rowCount();
    setCurrent(std::clamp(row, 0, std::max(rows - 1, 0)), column < UserTermTable::kNameColumn ? UserTermTable::kNameColumn : column);
}

void UserTermsDialog::refreshRow(int row) {
    syncing_ = true;
    for (int c = 0; c < UserTermTable::kColumnCount; ++c) setItem(grid_, session_.table(), row, c, true);
    syncing_ = false;
    chart_->update();
}

void UserTermsDialog::setCurrent(int row, int column) {
    syncing_ = true;
    grid_->setCurrentCell(row, column);
    syncing_ = false;
    chart_->setCurrentRow(session_.table().empty() ? -1 : row);
}

bool UserTermsDialog::leaveCell(int row, int column) {
    const UserTermVerdict verdict = session_.check(row, column);
    if (verdict.message) prompter_.show(*verdict.message);
    return verdict.ok;
}

void UserTermsDialog::onItemChanged(QTableWidgetItem* item) {
    if (syncing_) return;
    session_.table().setCellText(item->row(), item->column(), item->text().toStdString());
    if (session_.check(item->row(), item->column()).ok) chart_->update();
}

void UserTermsDialog::onCurrentCellChanged(int row, int column, int previousRow, int previousColumn) {
    if (syncing_) return;
    const bool moved = row != previousRow || column != previousColumn;
    if (previousRow >= 0 && moved && !leaveCell(previousRow, previousColumn)) {
        setCurrent(previousRow, previousColumn);
        return;
    }
    chart_->setCurrentRow(session_.table().empty() ? -1 : row);
}

void UserTermsDialog::addShape(std::string_view type) {
    const int row = session_.add(type);
    refreshGrid();
    setCurrent(row, UserTermTable::kNameColumn);
}

void UserTermsDialog::addQuadratic() { addShape(UserTermShape::kQuadratic); }

void UserTermsDialog::addTrapezoid() { addShape(UserTermShape::kTrapezoid); }

void UserTermsDialog::addTriangular() { addShape(UserTermShape::kTriang); }

void UserTermsDialog::addGaussian() { addShape(UserTermShape::kGaussian); }

void UserTermsDialog::addUniform() {
    const auto answer =
        prompter_.askText(UserTermUniform::kCaption, UserTermUniform::kPrompt, UserTermUniform::kDefault);
    const int before = session_.table().rowCount();
    const auto message = session_.addUniform(answer ? std::optional<std::string_view>(*answer) : std::nullopt);
    if (message) {
        prompter_.show(*message);
        return;
    }
    refreshGrid();
    if (session_.table().rowCount() > before) setCurrent(before, UserTermTable::kNameColumn);
}

void UserTermsDialog::changeType(std::string_view type) {
    const int row = grid_->currentRow();
    if (!TermTypeChange::Allowed(session_.table(), row, type)) return;
    TermTypeChange::Apply(session_.table(), row, type);
    refreshRow(row);
}

void UserTermsDialog::deleteTerm() {
    if (const auto message = session_.remove(grid_->currentRow())) {
        prompter_.show(*message);
        return;
    }
    refreshGrid();
}

void UserTermsDialog::copyTerms() {
    QSet<int> selected;
    for (const QModelIndex& index : grid_->selectionModel()->selectedIndexes()) selected.insert(index.row());
    if (selected.isEmpty()) selected.insert(grid_->currentRow());
    std::vector<int> rows(selected.begin(), selected.end());
    std::sort(rows.begin(), rows.end());
    session_.copy(rows, clipboard_);
}

void UserTermsDialog::pasteTerms() {
    const auto first = session_.paste(grid_->currentRow(), clipboard_);
    if (!first) return;
    refreshGrid();
    setCurrent(*first, UserTermTable::kNameColumn);
}

// Every cell is checked, not only the current one, so that rows never visited (added, pasted) cannot
// bring a duplicate name or a wrong parameter into the vocabulary.
void UserTermsDialog::accept() {
    grid_->commitEditing();
    if (!leaveCell(grid_->currentRow(), grid_->currentColumn())) return;
    if (const auto failure = UserTermCellCheck::FirstFailure(session_.table())) {
        pages_->setCurrentIndex(0);
        setCurrent(failure->first.first, failure->first.second);
        if (failure->second.message) prompter_.show(*failure->second.message);
        return;
    }
    session_.commit(unit_);
    QDialog::accept();
}

void UserTermsDialog::onChartPressed(QPointF position) {
    const TermChartGeometry geometry = chart_->geometryFor(session_.table());
    dragSlot_ = TermChartDrag::NearestSlot(session_.table(), grid_->currentRow(), geometry, position.x(), position.y());
}

void UserTermsDialog::onChartDragged(QPointF position) {
    if (!dragSlot_) return;
    const int row = grid_->currentRow();
    const TermChartGeometry geometry = chart_->geometryFor(session_.table());
    if (TermChartDrag::Move(session_.table(), row, *dragSlot_, geometry, position.x())) refreshRow(row);
}

}  // namespace zorv
