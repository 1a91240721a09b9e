#include "app/qt/editor/InferenceUnitEditor.h"

#include <algorithm>
#include <stdexcept>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCloseEvent>
#include <QDir>
#include <QHBoxLayout>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/core/files/EditorCloseGuard.h"
#include "app/core/files/PathNames.h"
#include "app/core/workbench/Prompter.h"
#include "app/core/files/RuleBaseSaver.h"
#include "app/core/testwindow/UnitMethodChoices.h"
#include "app/core/variables/UnitVariableRows.h"
#include "app/core/variables/VariableChecker.h"
#include "app/core/workbench/WorkbenchMessages.h"
#include "app/qt/data/EditorDataTab.h"
#include "app/qt/editor/EditorGeneralTab.h"
#include "app/qt/editor/EditorProgress.h"
#include "app/qt/rules/EditorRulesTab.h"
#include "app/qt/variables/EditorVariablesTab.h"
#include "app/qt/rules/RulesInfoMenu.h"
#include "rulebase/CRuleBase.h"
#include "rulebase/analysis/DeleteDuplicit.h"
#include "rulebase/analysis/DeleteRedundant.h"
#include "rulebase/analysis/MergeInconsistent.h"
#include "rulebase/analysis/RuleAnalysis.h"
#include "app/qt/files/FileNameProvider.h"
#include "app/qt/workbench/TextClipboard.h"
#include "app/qt/variables/VariableEditing.h"
#include "app/qt/workbench/WindowPlacement.h"
#include "fuzzy/expression/ESyntax.h"

namespace zorv {

InferenceUnitEditor::InferenceUnitEditor(std::unique_ptr<CRuleBase> unit, WorkbenchServices services,
                                         QWidget* parent)
    : QWidget(parent), unit_(std::move(unit)), services_(services) {
    setAttribute(Qt::WA_DeleteOnClose);
    setCaption(QString::fromLatin1(kFormCaption));
    buildWindow();
    connectTabs();
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { focusMoved(now); });
}

// The tabs work on the rule base by reference, and a rules cell being edited is handed over when its field
// loses the focus: hiding the window first lets that happen while the rule base is still there.
InferenceUnitEditor::~InferenceUnitEditor() { hide(); }

void InferenceUnitEditor::buildWindow() {
    tabs_ = new QTabWidget(this);
    general_ = new EditorGeneralTab(tabs_);
    inputs_ = new EditorVariablesTab(true, tabs_);
    outputs_ = new EditorVariablesTab(false, tabs_);
    rulesMenu_ = new RulesInfoMenu(this);
    rules_ = new EditorRulesTab(*unit_, *rulesMenu_, tabs_);
    progress_ = new EditorProgress(this);
    data_ = new EditorDataTab(*unit_, *progress_, services_, tabs_);
    tabs_->addTab(general_, tr("&General"));
    tabs_->addTab(inputs_, tr("&Input variables"));
    tabs_->addTab(outputs_, tr("O&utput variables"));
    tabs_->addTab(rules_, tr("&Rules"));
    tabs_->addTab(data_, tr("Input / Output"));

    test_ = new QPushButton(tr("&Test"), this);
    save_ = new QPushButton(tr("&Save"), this);
    saveAs_ = new QPushButton(tr("Save &As"), this);
    close_ = new QPushButton(tr("&Close"), this);
    setMinimumSize(kMinimumWidth, kMinimumHeight);

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

    connect(test_, &QPushButton::clicked, this, &InferenceUnitEditor::startTest);
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
    connect(rules_, &EditorRulesTab::changed, this, &InferenceUnitEditor::markModified);
    connect(rules_, &EditorRulesTab::editEnded, this, &InferenceUnitEditor::ruleEditEnded);
    connect(rules_, &EditorRulesTab::userTermsChanged, this, &InferenceUnitEditor::userTermsChanged);
    connect(tabs_, &QTabWidget::currentChanged, this, &InferenceUnitEditor::tabChanged);
    connect(data_, &EditorDataTab::learningStarted, this, [this] { lockForLearning(true); });
    connect(data_, &EditorDataTab::learningEnded, this, [this] { lockForLearning(false); });
    connect(data_, &EditorDataTab::rulesLearned, this, &InferenceUnitEditor::rulesLearned);
}

// The Rules tab fills its grid on entering; it may be left only with every cell filled and correct, and
// hands its rules to the rule base when it is.
void InferenceUnitEditor::tabChanged(int index) {
    if (returningToRules_) return;
    QWidget* entered = tabs_->widget(index);
    if (shownTab_ == rules_ && entered != rules_) {
        if (!rules_->mayLeave()) {
            returningToRules_ = true;
            tabs_->setCurrentWidget(rules_);
            returningToRules_ = false;
            rules_->view()->setFocus();
            emit commandStateChanged();
            return;
        }
        rules_->commit();
        emit userTermsChanged({});
    }
    if (entered == rules_ && shownTab_ != rules_) rules_->fill();
    if (entered == data_) data_->showing();
    shownTab_ = entered;
    emit commandStateChanged();
}

bool InferenceUnitEditor::rulesShown() const { return tabs_->currentWidget() == rules_; }

// Focus that leaves this window (for the menu bar, another window) leaves the grid's state as it was.
void InferenceUnitEditor::focusMoved(QWidget* now) {
    if (now == nullptr || !isAncestorOf(now)) return;
    const bool inGrid = rules_->holds(now);
    if (inGrid == gridFocused_) return;
    gridFocused_ = inGrid;
    emit commandStateChanged();
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
    data_->setRuleBaseFile(path);
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

// A variable corrected on the way in changed the rule base: it is modified, so that the correction is saved.
void InferenceUnitEditor::startEditing() {
    general_->fill(*unit_);
    refillVariables();
    if (unit_->descriptionType() == DescriptionType::singleton) rulesMenu_->withoutRedundancy();
    rules_->fill();
    tabs_->setCurrentWidget(general_);
    shownTab_ = general_;
    const bool corrected = checkVariables();
    restartHistory();
    setModified(!named_ || corrected);
    updateTestButton();
}

// The test window evaluates one output variable, and one test window at a time works on the rule base.
void InferenceUnitEditor::updateTestButton() {
    const bool oneOutput = unit_->SuccedentCount() < 2;
    test_->setEnabled(oneOutput && !testing());
    if (!oneOutput) {
        test_->setToolTip(tr("A rule base with more than one output variable cannot be tested."));
    } else {
        test_->setToolTip(testing() ? tr("The rule base is being tested in its test window.") : QString());
    }
}

// The test window evaluates the rules as the Rules tab shows them.
void InferenceUnitEditor::startTest() {
    if (busy_ || testing()) return;
    if (rulesShown()) {
        if (!rules_->mayLeave()) return;
        rules_->commit();
    }
    compile();
    emit testRequested();
}

void InferenceUnitEditor::setTestWindow(QWidget* window) {
    testWindow_ = window;
    lockForTest(true);
    connect(window, &QObject::destroyed, this, [this] {
        testWindow_.clear();
        lockForTest(false);
    });
}

void InferenceUnitEditor::lockForTest(bool locked) {
    const QList<QWidget*> controls{inputs_->addButton(), inputs_->deleteButton(), inputs_->editButton(),
                                   outputs_->editButton(),  rules_->addButton(),   rules_->deleteButton(),
                                   general_->inference(),   general_->defuzzification()};
    for (QWidget* control : controls) control->setEnabled(!locked);
    general_->filter()->setEnabled(!locked && UnitMethodChoices::filterAvailable(*unit_));
    data_->setLearningAllowed(!locked);
    updateTestButton();
}

void InferenceUnitEditor::lockForLearning(bool locked) {
    busy_ = locked;
    for (QWidget* page : std::initializer_list<QWidget*>{general_, inputs_, outputs_, rules_}) page->setEnabled(!locked);
    if (locked) {
        test_->setEnabled(false);
    } else {
        updateTestButton();
    }
    emit commandStateChanged();
}

// The learned rules take the place of the rules as a rule command's do, so that undo can take them back;
// new user terms change what the earlier rule lists mean, so the history starts again after pentatomy.
void InferenceUnitEditor::rulesLearned(bool userTermsReplaced) {
    if (userTermsReplaced) {
        rules_->variablesChanged();
        restartHistory();
    } else if (rulesShown()) {
        rules_->fill();
    }
    markModified();
}

void InferenceUnitEditor::showTestChanges() {
    general_->showMethods(*unit_);
    general_->filter()->setEnabled(false);
    markModified();
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
    if (shownElsewhere_ && shownElsewhere_(*path)) {
        services_.prompter.show(WorkbenchMessages::openElsewhere(path->toStdString()));
        return SaveOutcome::failed;
    }
    const SaveOutcome outcome = writeTo(*path);
    if (outcome == SaveOutcome::saved) {
        setFile(*path, true);
    }
    return outcome;
}

const CRuleBase* InferenceUnitEditor::shownUnit() {
    if (busy_) return nullptr;
    if (rulesShown()) {
        if (!rules_->mayLeave()) return nullptr;
        rules_->commit();
    }
    try {
        unit_->Compile();
    } catch (const ESyntax& error) {
        services_.prompter.show(WorkbenchMessages::syntaxError(error.message()));
        return nullptr;
    }
    return unit_.get();
}

// A failed write changes nothing: the editor keeps its file name and stays modified.
SaveOutcome InferenceUnitEditor::writeTo(const QString& path) {
    if (rulesShown()) rules_->commit();
    unit_->SetDescription(general_->description().toStdString());
    if (const auto failure = RuleBaseSaver::write(*unit_, path.toStdString())) {
        services_.prompter.show(*failure);
        return SaveOutcome::failed;
    }
    setModified(false);
    emit saved(path);
    return SaveOutcome::saved;
}

// Work of the data table in progress stops when the window closes; another long command keeps it open.
void InferenceUnitEditor::closeEvent(QCloseEvent* event) {
    if ((busy_ && !data_->running()) || (rulesShown() && !rules_->mayLeave())) {
        event->ignore();
        return;
    }
    const bool mayClose = EditorCloseGuard::mayClose(modified_, fileName_.toStdString(), services_.prompter,
                                                     [this] { return save(); });
    if (!mayClose) {
        event->ignore();
        return;
    }
    data_->stopWork();
    WindowPlacement::save(frame(), caption_, services_.settings);
    if (testWindow_) testWindow_->close();
    event->accept();
}

// --- changes and undo ------------------------------------------------------------------------------------

void InferenceUnitEditor::markModified() {
    if (!rulesShown() || (!rules_->editing() && rules_->currentCellFilled())) history_.snapshot(currentRules());
    setModified(true);
    emit commandStateChanged();
}

void InferenceUnitEditor::ruleEditEnded(bool filled) {
    if (filled) history_.snapshot(currentRules());
    emit commandStateChanged();
}

// The rules as the Rules tab shows them, else as the rule base holds them.
RuleList InferenceUnitEditor::currentRules() const {
    return rulesShown() ? rules_->rules() : unit_->Rules();
}

void InferenceUnitEditor::restartHistory() {
    history_.clear();
    history_.snapshot(currentRules());
}

bool InferenceUnitEditor::canUndo() const {
    return history_.undoDepth() > 1 || history_.canUndoFrom(currentRules());
}

bool InferenceUnitEditor::canRedo() const {
    return history_.redoDepth() > 1 || history_.canRedoFrom(currentRules());
}

// A cell being edited is taken as it stands: its edit is what Undo takes back first.
void InferenceUnitEditor::undo() {
    if (busy_) return;
    if (rulesShown()) rules_->finishEditing();
    if (const auto previous = history_.undo(currentRules())) {
        applyRules(*previous);
    }
    emit commandStateChanged();
}

void InferenceUnitEditor::redo() {
    if (busy_) return;
    if (rulesShown()) rules_->finishEditing();
    if (const auto next = history_.redo(currentRules())) {
        applyRules(*next);
    }
    emit commandStateChanged();
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
    if (rulesShown()) rules_->fill();
    markModified();
}

// --- clipboard, rule commands, words ---------------------------------------------------------------------

bool InferenceUnitEditor::canUseClipboard() const {
    return !busy_ && (gridFocused() || TextClipboard::handles(focusWidget()));
}

void InferenceUnitEditor::cut() {
    if (busy_) return;
    if (gridFocused()) {
        rules_->cut();
        rules_->takeFocus();
    } else {
        TextClipboard::cut(focusWidget());
    }
}

void InferenceUnitEditor::copy() {
    if (busy_) return;
    if (gridFocused()) {
        rules_->copy();
        rules_->takeFocus();
    } else {
        TextClipboard::copy(focusWidget());
    }
}

void InferenceUnitEditor::paste() {
    if (busy_) return;
    if (gridFocused()) {
        rules_->paste();
        rules_->takeFocus();
    } else {
        TextClipboard::paste(focusWidget());
    }
}

bool InferenceUnitEditor::canRun(RuleCommand command) const {
    if (busy_ || !rulesShown()) return false;
    switch (command) {
        case RuleCommand::deleteEmpty:
        case RuleCommand::duplicate:
        case RuleCommand::invertSign: return gridFocused();
        case RuleCommand::deleteDuplicit:
        case RuleCommand::deleteRedundant:
        case RuleCommand::mergeInconsistent: return true;
    }
    return false;
}

void InferenceUnitEditor::runRuleCommand(RuleCommand command) {
    if (!canRun(command)) return;
    switch (command) {
        case RuleCommand::deleteEmpty: rules_->deleteEmpty(); rules_->takeFocus(); break;
        case RuleCommand::duplicate: rules_->duplicate(); rules_->takeFocus(); break;
        case RuleCommand::invertSign: rules_->invertSign(); rules_->takeFocus(); break;
        case RuleCommand::deleteDuplicit:
        case RuleCommand::deleteRedundant:
        case RuleCommand::mergeInconsistent: runAnalysisCommand(command); break;
    }
}

// The commands built on the rule analysis replace the rules of the rule base, which the grid then shows.
void InferenceUnitEditor::runAnalysisCommand(RuleCommand command) {
    if (!rules_->checkCurrent()) return;
    rules_->commit();
    try {
        if (command == RuleCommand::deleteDuplicit) {
            unit_->SetRules(deleteDuplicit(rules_->rules()));
        } else if (command == RuleCommand::deleteRedundant) {
            unit_->SetRules(withoutRedundant());
        } else {
            mergeInconsistent(*unit_);
        }
    } catch (const ESyntax&) {
        // The rules are in place; a cell that does not compile is refused when the rule base is saved.
    }
    rules_->fill();
    markModified();
}

// Judging every rule against all others takes a while on large rule bases: the progress bar counts the
// rules, and the window takes no other command until the judgement is done.
std::vector<RuleRow> InferenceUnitEditor::withoutRedundant() {
    const RuleAnalysis analysis = RuleAnalysis::of(*unit_);
    const std::vector<RuleRow> rows = unit_->Rules();
    std::vector<RuleRow> kept;
    busy_ = true;
    tabs_->setEnabled(false);
    emit commandStateChanged();
    progress_->run(static_cast<int>(rows.size()), [&](const EditorProgress::StepReport& report) {
        kept = deleteRedundant(analysis, rows, report);
    });
    tabs_->setEnabled(true);
    busy_ = false;
    return kept;
}

bool InferenceUnitEditor::insertWord(const QString& word, bool moveToNext) {
    if (busy_ || !rulesShown()) return false;
    rules_->insertWord(word, moveToNext);
    return true;
}

QStringList InferenceUnitEditor::currentUserTerms() const {
    return rulesShown() ? rules_->currentUserTerms() : QStringList();
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
    if (testing()) return;
    if (!services_.variables.addVariable(this, *unit_, true, std::max(inputs_->selectedRow(), 0))) {
        return;
    }
    refillVariables();
    rules_->variablesChanged();
    // Rule lists taken before hold one text fewer per rule; they no longer fit the rule base.
    restartHistory();
    markModified();
}

void InferenceUnitEditor::deleteVariable(int row) {
    if (testing()) return;
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
    rules_->variablesChanged();
    restartHistory();
    markModified();
}

// The test window shows the variables as they were when it opened: they stay as they are while it lives.
void InferenceUnitEditor::editVariable(bool input, int row) {
    if (testing()) return;
    const int count = input ? unit_->AntecedentCount() : unit_->SuccedentCount();
    if (row < 0 || row >= count) {
        return;
    }
    const RuleList before = unit_->Rules();
    if (services_.variables.editVariable(this, *unit_, UnitVariableRows::signedIndex(input, row))) {
        variableEdited(unit_->Rules() != before);
    }
}

// Rules rewritten for a new context or renamed terms belong to that variable: undoing them alone would
// give rules that no longer fit it, so the history starts again, as after adding or deleting a variable.
void InferenceUnitEditor::variableEdited(bool rulesRewritten) {
    refillVariables();
    rules_->variablesChanged();
    compile();
    if (rulesRewritten) restartHistory();
    markModified();
    updateTestButton();
}

void InferenceUnitEditor::compile() {
    try {
        unit_->Compile();
    } catch (const ESyntax& error) {
        services_.prompter.show(WorkbenchMessages::syntaxError(error.message()));
    }
}

bool InferenceUnitEditor::checkVariables() {
    bool corrected = false;
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
            const RuleList before = unit_->Rules();
            if (services_.variables.editVariable(this, *unit_, index)) {
                variableEdited(unit_->Rules() != before);
                corrected = true;
            }
        }
    }
    return corrected;
}

}  // namespace zorv
