#include "app/qt/InferenceUnitEditor.h"

#include <algorithm>
#include <stdexcept>

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QHBoxLayout>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/core/EditorCloseGuard.h"
#include "app/core/PathNames.h"
#include "app/core/Prompter.h"
#include "app/core/RuleBaseSaver.h"
#include "app/core/UnitMethodChoices.h"
#include "app/core/UnitVariableRows.h"
#include "app/core/VariableChecker.h"
#include "app/core/WorkbenchMessages.h"
#include "app/qt/EditorGeneralTab.h"
#include "app/qt/EditorProgress.h"
#include "app/qt/EditorVariablesTab.h"
#include "rulebase/CRuleBase.h"
#include "app/qt/FileNameProvider.h"
#include "app/qt/TextClipboard.h"
#include "app/qt/VariableEditing.h"
#include "app/qt/WindowPlacement.h"
#include "fuzzy/expression/ESyntax.h"

namespace zorv {

InferenceUnitEditor::InferenceUnitEditor(std::unique_ptr<CRuleBase> unit, WorkbenchServices services,
                                         QWidget* parent)
    : QWidget(parent), unit_(std::move(unit)), services_(services) {
    setAttribute(Qt::WA_DeleteOnClose);
    setCaption(QString::fromLatin1(kFormCaption));
    buildWindow();
    connectTabs();
}

InferenceUnitEditor::~InferenceUnitEditor() = default;

void InferenceUnitEditor::buildWindow() {
    tabs_ = new QTabWidget(this);
    general_ = new EditorGeneralTab(tabs_);
    inputs_ = new EditorVariablesTab(true, tabs_);
    outputs_ = new EditorVariablesTab(false, tabs_);
    tabs_->addTab(general_, QStringLiteral("&General"));
    tabs_->addTab(inputs_, QStringLiteral("&Input variables"));
    tabs_->addTab(outputs_, QStringLiteral("O&utput variables"));
    progress_ = new EditorProgress(this);

    test_ = new QPushButton(QStringLiteral("&Test"), this);
    save_ = new QPushButton(QStringLiteral("&Save"), this);
    saveAs_ = new QPushButton(QStringLiteral("Save &As"), this);
    close_ = new QPushButton(QStringLiteral("&Close"), this);
    // The test window is not part of the workbench yet.
    test_->setEnabled(false);

    auto* left = new QVBoxLayout;
    left->addWidget(tabs_, 1);
    left->addWidget(progress_);
    auto* right = new QVBoxLayout;
    for (QPushButton* button : {test_, save_, saveAs_, close_}) {
        right->addWidget(button);
    }
    right->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(right);

    connect(save_, &QPushButton::clicked, this, [this] { save(); });
    connect(saveAs_, &QPushButton::clicked, this, [this] { saveAs(); });
    connect(close_, &QPushButton::clicked, this, [this] { frame().close(); });
}

void InferenceUnitEditor::connectTabs() {
    connect(general_, &EditorGeneralTab::inferenceChosen, this, &InferenceUnitEditor::chooseInference);
    connect(general_, &EditorGeneralTab::defuzzificationChosen, this, &InferenceUnitEditor::chooseDefuzzification);
    connect(general_, &EditorGeneralTab::filterToggled, this, &InferenceUnitEditor::toggleFilter);
    connect(general_, &EditorGeneralTab::descriptionEdited, this, &InferenceUnitEditor::markModified);
    connect(inputs_, &EditorVariablesTab::addRequested, this, &InferenceUnitEditor::addVariable);
    connect(inputs_, &EditorVariablesTab::deleteRequested, this, &InferenceUnitEditor::deleteVariable);
    connect(inputs_, &EditorVariablesTab::editRequested, this, [this](int row) { editVariable(true, row); });
    connect(outputs_, &EditorVariablesTab::editRequested, this, [this](int row) { editVariable(false, row); });
}

QWidget& InferenceUnitEditor::frame() {
    if (auto* window = qobject_cast<QMdiSubWindow*>(parentWidget())) {
        return *window;
    }
    return *this;
}

// --- file and caption ------------------------------------------------------------------------------------

void InferenceUnitEditor::setFile(const QString& path, bool named) {
    fileName_ = path;
    named_ = named;
    unit_->SetName(path.toStdString());
    setCaption(path);
    general_->setUnitName(QString::fromStdString(PathNames::unitName(path.toStdString())));
}

void InferenceUnitEditor::setCaption(const QString& caption) {
    caption_ = caption;
    setWindowTitle(caption + QStringLiteral("[*]"));
}

void InferenceUnitEditor::setModified(bool modified) {
    modified_ = modified;
    setWindowModified(modified);
    emit modifiedChanged(modified);
}

void InferenceUnitEditor::startEditing() {
    general_->fill(*unit_);
    refillVariables();
    tabs_->setCurrentWidget(general_);
    checkVariables();
    restartHistory();
    setModified(!named_);
}

// --- saving ----------------------------------------------------------------------------------------------

SaveOutcome InferenceUnitEditor::save() {
    return named_ ? writeTo(fileName_) : saveAs();
}

SaveOutcome InferenceUnitEditor::saveAs() {
    const QString initial = named_ ? fileName_ : QDir(QApplication::applicationDirPath()).filePath(fileName_);
    const auto path = services_.files.saveRuleBaseName(initial);
    if (!path) {
        return SaveOutcome::cancelled;
    }
    const SaveOutcome outcome = writeTo(*path);
    if (outcome == SaveOutcome::saved) {
        setFile(*path, true);
    }
    return outcome;
}

// A failed write changes nothing: the editor keeps its file name and stays modified.
SaveOutcome InferenceUnitEditor::writeTo(const QString& path) {
    unit_->SetDescription(general_->description().toStdString());
    if (const auto failure = RuleBaseSaver::write(*unit_, path.toStdString())) {
        services_.prompter.show(*failure);
        return SaveOutcome::failed;
    }
    setModified(false);
    emit saved(path);
    return SaveOutcome::saved;
}

void InferenceUnitEditor::closeEvent(QCloseEvent* event) {
    const bool mayClose = EditorCloseGuard::mayClose(modified_, fileName_.toStdString(), services_.prompter,
                                                     [this] { return save(); });
    if (!mayClose) {
        event->ignore();
        return;
    }
    WindowPlacement::save(frame(), caption_, services_.settings);
    event->accept();
}

// --- changes and undo ------------------------------------------------------------------------------------

void InferenceUnitEditor::markModified() {
    history_.snapshot(currentRules());
    setModified(true);
}

RuleList InferenceUnitEditor::currentRules() const {
    return unit_->Rules();
}

void InferenceUnitEditor::restartHistory() {
    history_.clear();
    history_.snapshot(currentRules());
}

void InferenceUnitEditor::undo() {
    if (const auto previous = history_.undo(currentRules())) {
        applyRules(*previous);
    }
}

void InferenceUnitEditor::redo() {
    if (const auto next = history_.redo(currentRules())) {
        applyRules(*next);
    }
}

void InferenceUnitEditor::applyRules(const RuleList& rules) {
    try {
        unit_->SetRules(rules);
    } catch (const ESyntax& error) {
        // The rules are in place; a cell that no longer compiles is reported.
        services_.prompter.show(WorkbenchMessages::syntaxError(error.message()));
    } catch (const std::invalid_argument&) {
        // A list taken for other variables; the rule base keeps its rules.
        return;
    }
    markModified();
}

// --- clipboard, rule commands, words ---------------------------------------------------------------------

void InferenceUnitEditor::cut() {
    TextClipboard::cut(focusWidget());
}

void InferenceUnitEditor::copy() {
    TextClipboard::copy(focusWidget());
}

void InferenceUnitEditor::paste() {
    TextClipboard::paste(focusWidget());
}

void InferenceUnitEditor::runRuleCommand(RuleCommand /*command*/) {
    // Every rule command works on the rules grid's selection; with no grid there is nothing to act on.
}

bool InferenceUnitEditor::insertWord(const QString& /*word*/, bool /*moveToNext*/) {
    // Words go into the current cell of the rules grid, which only the Rules tab shows.
    return false;
}

// --- General tab -----------------------------------------------------------------------------------------

void InferenceUnitEditor::chooseInference(int index) {
    UnitMethodChoices(unit_->descriptionType()).chooseInference(*unit_, index);
    markModified();
}

void InferenceUnitEditor::chooseDefuzzification(int index) {
    UnitMethodChoices(unit_->descriptionType()).chooseDefuzzification(*unit_, index);
    general_->setFilterAvailable(UnitMethodChoices::filterAvailable(*unit_));
    markModified();
}

void InferenceUnitEditor::toggleFilter(bool on) {
    // The switch is stored even when the filter cannot be built now (too many inputs); say why.
    if (const auto refusal = unit_->SetUseFuzzyFilter(on)) {
        services_.prompter.show({*refusal, "Warning", PromptIcon::warning});
    }
    markModified();
}

// --- variables -------------------------------------------------------------------------------------------

void InferenceUnitEditor::refillVariables() {
    inputs_->fill(UnitVariableRows::rows(*unit_, true));
    outputs_->fill(UnitVariableRows::rows(*unit_, false));
}

void InferenceUnitEditor::addVariable() {
    if (!services_.variables.addVariable(this, *unit_, true, std::max(inputs_->selectedRow(), 0))) {
        return;
    }
    refillVariables();
    columnWidthsStale_ = true;
    // Rule lists taken before hold one text fewer per rule; they no longer fit the rule base.
    restartHistory();
    markModified();
}

void InferenceUnitEditor::deleteVariable(int row) {
    if (unit_->AntecedentCount() <= 1) {
        services_.prompter.show(WorkbenchMessages::variableRequired());
        return;
    }
    if (row < 0 || row >= unit_->AntecedentCount()) {
        return;
    }
    const auto question = WorkbenchMessages::confirmDeleteVariable(unit_->VariableName(row));
    if (services_.prompter.ask(question, PromptButtons::yesNo) != PromptAnswer::yes) {
        return;
    }
    try {
        unit_->DeleteVariable(row);
    } catch (const ESyntax& error) {
        services_.prompter.show(WorkbenchMessages::syntaxError(error.message()));
    }
    refillVariables();
    columnWidthsStale_ = true;
    restartHistory();
    markModified();
}

void InferenceUnitEditor::editVariable(bool input, int row) {
    const int count = input ? unit_->AntecedentCount() : unit_->SuccedentCount();
    if (row < 0 || row >= count) {
        return;
    }
    if (services_.variables.editVariable(this, *unit_, UnitVariableRows::signedIndex(input, row))) {
        variableEdited();
    }
}

void InferenceUnitEditor::variableEdited() {
    refillVariables();
    columnWidthsStale_ = true;
    compile();
    markModified();
}

void InferenceUnitEditor::compile() {
    try {
        unit_->Compile();
    } catch (const ESyntax& error) {
        services_.prompter.show(WorkbenchMessages::syntaxError(error.message()));
    }
}

void InferenceUnitEditor::checkVariables() {
    const VariableChecker checker;
    std::vector<int> indexes;
    for (int k = 0; k < unit_->AntecedentCount(); ++k) {
        indexes.push_back(k);
    }
    for (int k = 0; k < unit_->SuccedentCount(); ++k) {
        indexes.push_back(~k);
    }
    for (const int index : indexes) {
        if (const auto problem = checker.check(*unit_, index)) {
            services_.prompter.show({*problem, {}, PromptIcon::none});
            if (services_.variables.editVariable(this, *unit_, index)) {
                variableEdited();
            }
        }
    }
}

}  // namespace zorv
