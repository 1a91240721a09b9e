#include "app/qt/rules/EditorRulesTab.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>
#include <type_traits>

#include "rulebase/RuleCellCheck.h"
#include "app/core/rules/RuleCellWords.h"
#include "app/qt/rules/RulesInfoMenu.h"
#include "app/qt/rules/RulesTableModel.h"
#include "app/qt/workbench/WorkbenchIcons.h"
#include "fuzzy/expression/ESyntax.h"
#include "rulebase/CRuleBase.h"
#include "app/qt/workbench/ShownText.h"

namespace zorv {
namespace {

// Widths the columns get on the first fill after the variables change: at least these, wider for longer
// texts up to kLongestColumn average characters; a text cut there shows whole in its tool tip.
const QString kExpressionSample = QStringLiteral("  -ex sm  ");
constexpr int kNameMargin = 6;
constexpr int kLabelMargin = 24;
constexpr int kLongestColumn = 28;

QString qt(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

EditorRulesTab::EditorRulesTab(CRuleBase& unit, RulesInfoMenu& menu, QWidget* parent)
    : QWidget(parent), unit_(unit), menu_(menu), grid_(unit), commands_(grid_) {
    buildTab();
    connectView();
    connect(&runner_, &RulesAnalysisRunner::finished, this, &EditorRulesTab::analysisFinished);
    connect(&menu_, &RulesInfoMenu::columnToggled, this, &EditorRulesTab::toggleColumn);
}

EditorRulesTab::~EditorRulesTab() = default;

void EditorRulesTab::buildTab() {
    form_ = new QLabel(this);
    model_ = new RulesTableModel(grid_, this);
    view_ = new RulesTableView(this);
    view_->setModel(model_);
    message_ = new QLabel(this);
    goodPart_ = new QLabel(this);
    badPart_ = new QLabel(this);
    QPalette red = badPart_->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    badPart_->setPalette(red);
    for (QLabel* label : {message_, goodPart_, badPart_}) label->setTextFormat(Qt::PlainText);
    // "Add ru&le": Alt+R belongs to the "&Rules" tab.
    add_ = new QPushButton(WorkbenchIcons::named("list-add"), tr("Add ru&le"), this);
    delete_ = new QPushButton(WorkbenchIcons::named("list-remove"), tr("&Delete rule"), this);

    auto* split = new QHBoxLayout;
    split->setSpacing(0);
    split->addWidget(goodPart_);
    split->addWidget(badPart_);
    split->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(add_);
    buttons->addWidget(delete_);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(form_);
    layout->addWidget(view_, 1);
    layout->addWidget(message_);
    layout->addLayout(split);
    layout->addLayout(buttons);
}

void EditorRulesTab::connectView() {
    view_->setLeaveCheck([this] { return checkCurrent(); });
    connect(view_, &RulesTableView::clipboardRequested, this, &EditorRulesTab::onClipboardKey);
    connect(view_, &RulesTableView::deleteKeyPressed, this, &EditorRulesTab::onDeleteKey);
    connect(view_, &RulesTableView::appendRuleRequested, this, &EditorRulesTab::addRule);
    connect(view_, &RulesTableView::labelClicked, this, &EditorRulesTab::onLabelClicked);
    connect(view_, &RulesTableView::iconClicked, this, &EditorRulesTab::onIconClicked);
    connect(view_, &RulesTableView::sortRequested, this, &EditorRulesTab::onSort);
    connect(view_, &RulesTableView::cellSelectionChanged, this, &EditorRulesTab::onCurrentCellChanged);
    connect(view_, &RulesTableView::editingEnded, this,
            [this](int row, int column) { emit editEnded(cellFilled(column, grid_.text(row, column))); });
    connect(view_->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (!showingSelection_) readSelection();
    });
    connect(model_, &RulesTableModel::cellEdited, this, [this] {
        checkCurrent();
        afterChange();
    });
    connect(add_, &QPushButton::clicked, this, &EditorRulesTab::addRule);
    connect(delete_, &QPushButton::clicked, this, &EditorRulesTab::deleteRule);
}

// --- rule base and grid ----------------------------------------------------------------------------------

void EditorRulesTab::fill() {
    runner_.cancel();
    model_->reshape([this] { grid_.fill(); });
    const RuleGridColumns& columns = grid_.columns();
    view_->setExpressionColumns(columns.lastInput(), columns.lastExpression());
    form_->setText(qt(columns.ruleForm()));
    if (widthsStale_) {
        sizeColumns();
        widthsStale_ = false;
    }
    const RulesInfoColumns shown = menu_.shown();
    const bool hidden[] = {!shown.group, !shown.consistency, !shown.redundancySucc, !shown.redundancyAnt};
    for (int i = 0; i < RuleGridColumns::kAnalysisCount; ++i) {
        view_->setColumnHidden(columns.columnOf(static_cast<RulesInfoColumn>(i)), hidden[i]);
    }
    commands_.clampSelection();
    showSelection();
    // The grid opens at its first column: the rule numbers and their enabled icons stay in view.
    view_->horizontalScrollBar()->setValue(0);
    showCheck({});
    scheduleAnalysis();
}

void EditorRulesTab::commit() {
    try {
        grid_.commitTo(unit_);
    } catch (const ESyntax&) {
        // The rules are in place; a cell that does not compile is refused when the rule base is saved.
    }
}

// The grid follows at once, so that it never names a variable the rule base no longer has.
void EditorRulesTab::variablesChanged() {
    widthsStale_ = true;
    fill();
}

void EditorRulesTab::sizeColumns() {
    const QFontMetrics metrics = view_->fontMetrics();
    const RuleGridColumns& columns = grid_.columns();
    const QString longestLabel = QString::number(std::max(grid_.rowCount(), 999)) + QLatin1Char('.');
    const int icon = view_->style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, view_);
    view_->setColumnWidth(0, metrics.horizontalAdvance(longestLabel) + icon + kLabelMargin);
    const int longest = metrics.averageCharWidth() * kLongestColumn;
    for (int c = 1; c <= columns.lastExpression(); ++c) {
        const int named = metrics.horizontalAdvance(qt(columns.header(c))) + kNameMargin;
        // The view measures a bounded sample of rows, however many rules there are.
        const int content = std::min(view_->contentWidth(c), longest);
        view_->setColumnWidth(c, std::max({metrics.horizontalAdvance(kExpressionSample), named, content}));
    }
    for (int i = 0; i < RuleGridColumns::kAnalysisCount; ++i) {
        const auto analysis = static_cast<RulesInfoColumn>(i);
        const int width = metrics.horizontalAdvance(QString::fromLatin1(RulesInfo::widthSample(analysis)));
        hiddenWidths_[static_cast<std::size_t>(i)] = width;
        view_->setColumnWidth(columns.columnOf(analysis), width);
    }
}

void EditorRulesTab::toggleColumn(RulesInfoColumn analysis, bool shown) {
    const int column = grid_.columns().columnOf(analysis);
    int& width = hiddenWidths_[static_cast<std::size_t>(analysis)];
    if (!shown) {
        if (!view_->isColumnHidden(column)) width = view_->columnWidth(column);
        view_->setColumnHidden(column, true);
        return;
    }
    view_->setColumnHidden(column, false);
    if (width > 0) view_->setColumnWidth(column, width);
    scheduleAnalysis();
}

// --- checks ----------------------------------------------------------------------------------------------

bool EditorRulesTab::checkCurrent() {
    const QModelIndex current = view_->currentIndex();
    if (!current.isValid() || !grid_.columns().isExpression(current.column())) {
        showCheck({});
        return true;
    }
    const CSettings& vocabulary = unit_.Settings(grid_.columns().variableOf(current.column()));
    const RuleCellCheck check =
        RuleCellCheck::of(vocabulary, view_->editedText().toStdString(), grid_.columns().inputCount());
    showCheck(check);
    return check.ok;
}

bool EditorRulesTab::currentCellFilled() const {
    const QModelIndex current = view_->currentIndex();
    if (!current.isValid()) return true;
    return cellFilled(current.column(), view_->editedText().toStdString());
}

bool EditorRulesTab::cellFilled(int column, const std::string& text) const {
    if (!grid_.columns().isExpression(column)) return true;
    const CSettings& vocabulary = unit_.Settings(grid_.columns().variableOf(column));
    return !text.empty() && RuleCellCheck::of(vocabulary, text, grid_.columns().inputCount()).ok;
}

void EditorRulesTab::showCheck(const RuleCellCheck& check) {
    message_->setText(shownText(check.message));
    goodPart_->setText(qt(check.goodPart));
    badPart_->setText(qt(check.badPart));
}

bool EditorRulesTab::mayLeave() {
    if (!checkCurrent()) {
        view_->setFocus();
        return false;
    }
    const auto empty = grid_.firstEmptyCell();
    if (!empty) return true;
    view_->finishEditing();
    commands_.select(RuleGridSelection::cell(empty->first, empty->second));
    showSelection();
    view_->setFocus();
    return false;
}

bool EditorRulesTab::holds(const QWidget* focus) const {
    return focus != nullptr && (focus == view_ || view_->isAncestorOf(focus));
}

void EditorRulesTab::takeFocus() {
    if (!holds(QApplication::focusWidget())) view_->setFocus();
}

QStringList EditorRulesTab::currentUserTerms() const {
    QStringList names;
    const QModelIndex current = view_->currentIndex();
    if (!current.isValid() || !grid_.columns().isExpression(current.column())) return names;
    for (const std::string& name : RuleCellWords::userTerms(unit_.Settings(grid_.columns().variableOf(current.column())))) {
        names << qt(name);
    }
    return names;
}

// --- selection -------------------------------------------------------------------------------------------

// The user chose cells: the block they span among the expression columns, in cell mode.
void EditorRulesTab::readSelection() {
    const QModelIndex current = view_->currentIndex();
    if (!current.isValid()) return;
    RuleGridSelection selection = RuleGridSelection::cell(current.row(), std::max(current.column(), 1));
    for (const QModelIndex& index : view_->selectionModel()->selectedIndexes()) {
        if (!grid_.columns().isExpression(index.column())) continue;
        selection.top = std::min(selection.top, index.row());
        selection.bottom = std::max(selection.bottom, index.row());
        selection.left = std::min(selection.left, index.column());
        selection.right = std::max(selection.right, index.column());
    }
    commands_.select(selection);
}

void EditorRulesTab::showSelection() {
    showingSelection_ = true;
    QItemSelectionModel* selection = view_->selectionModel();
    if (grid_.rowCount() == 0) {
        selection->clear();
    } else {
        const RuleGridSelection& s = commands_.selection();
        selection->setCurrentIndex(model_->index(s.top, s.left), QItemSelectionModel::NoUpdate);
        selection->select(QItemSelection(model_->index(s.top, s.left), model_->index(s.bottom, s.right)),
                          QItemSelectionModel::ClearAndSelect);
        view_->scrollTo(model_->index(s.top, s.left));
    }
    showingSelection_ = false;
}

void EditorRulesTab::onLabelClicked(int row, bool shift) {
    view_->finishEditing();
    commands_.clickLabel(row, shift);
    showSelection();
}

void EditorRulesTab::onCurrentCellChanged() {
    checkCurrent();
    emit userTermsChanged(currentUserTerms());
}

// --- commands --------------------------------------------------------------------------------------------

template <typename Command>
auto EditorRulesTab::reshaping(Command&& command) {
    view_->finishEditing();
    if constexpr (std::is_void_v<decltype(command())>) {
        model_->reshape(command);
        showSelection();
    } else {
        decltype(command()) result{};
        model_->reshape([&] { result = command(); });
        showSelection();
        return result;
    }
}

void EditorRulesTab::afterChange() {
    scheduleAnalysis();
    emit changed();
}

void EditorRulesTab::addRule() {
    if (!checkCurrent()) return;
    reshaping([this] { return commands_.addRule(); });
    view_->setFocus();
    afterChange();
}

void EditorRulesTab::deleteRule() {
    if (!checkCurrent()) return;
    if (reshaping([this] { return commands_.deleteRule(); })) afterChange();
}

void EditorRulesTab::onDeleteKey() {
    if (!checkCurrent()) return;
    const auto done = reshaping([this] { return commands_.deleteKey(false); });
    if (done == RulesGridCommands::DeleteKey::nothing) return;
    if (done == RulesGridCommands::DeleteKey::emptiedCell) view_->editCurrent();
    afterChange();
}

void EditorRulesTab::onIconClicked(int row) {
    grid_.toggleEnabled(row);
    model_->refreshCells();
    afterChange();
}

void EditorRulesTab::onSort(int column) {
    if (reshaping([this, column] { return grid_.sortBy(column); })) afterChange();
}

void EditorRulesTab::onClipboardKey(RulesTableView::Clipboard command) {
    switch (command) {
        case RulesTableView::Clipboard::cut: cut(); break;
        case RulesTableView::Clipboard::copy: copy(); break;
        case RulesTableView::Clipboard::paste: paste(); break;
    }
}

void EditorRulesTab::copy() {
    if (!checkCurrent()) return;
    const std::string text = commands_.copy(view_->isEditing(), view_->editedText().toStdString());
    QApplication::clipboard()->setText(qt(text));
}

// While a cell is edited its text is cut; otherwise the selected rows.
void EditorRulesTab::cut() {
    if (!checkCurrent()) return;
    if (view_->isEditing()) {
        copy();
        const QString empty;
        view_->editCurrent(&empty);
    } else {
        QApplication::clipboard()->setText(qt(reshaping([this] { return commands_.cut(); })));
    }
    afterChange();
}

void EditorRulesTab::paste() {
    if (!checkCurrent()) return;
    const bool editing = view_->isEditing();
    const std::string text = QApplication::clipboard()->text().toStdString();
    if (commands_.pasteKind(editing) == RuleGridClipboard::Paste::intoCell) {
        const QString cell = qt(text);
        view_->editCurrent(&cell);
    } else if (commands_.pasteKind(editing) != RuleGridClipboard::Paste::nothing) {
        reshaping([this, editing, &text] { return commands_.paste(editing, text).rowsChanged; });
    }
    afterChange();
}

void EditorRulesTab::duplicate() {
    if (!checkCurrent()) return;
    QApplication::clipboard()->setText(qt(reshaping([this] { return commands_.duplicate(); })));
    afterChange();
}

void EditorRulesTab::deleteEmpty() {
    if (!checkCurrent()) return;
    reshaping([this] { return commands_.deleteEmpty(); });
    afterChange();
}

void EditorRulesTab::invertSign() {
    if (!checkCurrent()) return;
    reshaping([this] { return commands_.invertSign(); });
    afterChange();
}

void EditorRulesTab::insertWord(const QString& word, bool moveToNext) {
    const QModelIndex current = view_->currentIndex();
    if (!current.isValid() || !grid_.columns().isExpression(current.column())) return;
    const CSettings& vocabulary = unit_.Settings(grid_.columns().variableOf(current.column()));
    const auto text = RuleCellWords::applyWord(vocabulary, view_->editedText().toStdString(), word.toStdString());
    if (!text) return;
    const std::uint64_t before = grid_.revision();
    const QString cell = qt(*text);
    view_->editCurrent(&cell);
    if (grid_.revision() == before) afterChange();
    if (moveToNext) {
        QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
        QWidget* focus = QApplication::focusWidget();
        QWidget* target = holds(focus) ? focus : view_;
        QApplication::sendEvent(target, &tab);
    }
}

// --- analysis --------------------------------------------------------------------------------------------

void EditorRulesTab::scheduleAnalysis() {
    runner_.request(
        grid_.revision(),
        [this] {
            commit();
            return RuleGridAnalysis::prepare(grid_);
        },
        menu_.shown());
}

void EditorRulesTab::analysisFinished(std::uint64_t revision, const RulesAnalysisRunner::Infos& infos) {
    if (revision != grid_.revision()) return;
    grid_.setInfos(infos);
    model_->refreshCells();
}

}  // namespace zorv
