#include "app/qt/editor/InferenceUnitEditor.h"

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
#include "app/core/files/RuleBaseSaver.h"
#include "app/core/workbench/Prompter.h"
#include "app/core/workbench/WorkbenchMessages.h"
#include "app/qt/data/EditorDataTab.h"
#include "app/qt/editor/EditorGeneralTab.h"
#include "app/qt/editor/EditorProgress.h"
#include "app/qt/editor/GeneralTabController.h"
#include "app/qt/files/FileNameProvider.h"
#include "app/qt/rules/EditorRulesTab.h"
#include "app/qt/rules/RulesInfoMenu.h"
#include "app/qt/rules/RulesTabController.h"
#include "app/qt/variables/EditorVariablesTab.h"
#include "app/qt/variables/VariablesTabController.h"
#include "app/qt/workbench/WindowPlacement.h"
#include "fuzzy/expression/ESyntax.h"
#include "rulebase/CRuleBase.h"

namespace zorv {

InferenceUnitEditor::InferenceUnitEditor(std::unique_ptr<CRuleBase> unit, WorkbenchServices services,
                                         QWidget* parent)
    : QWidget(parent), unit_(std::move(unit)), services_(services) {
    setAttribute(Qt::WA_DeleteOnClose);
    setCaption(QString::fromLatin1(kFormCaption));
    buildWindow();
    buildControllers();
    connectTabs();
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

    // The buttons stand in one row with the progress display under the tabs, where a narrow window (tiled
    // side by side) keeps them in view.
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(progress_, 1);
    for (QPushButton* button : {test_, save_, saveAs_, close_}) bottom->addWidget(button);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_, 1);
    layout->addLayout(bottom);

    connect(test_, &QPushButton::clicked, this, &InferenceUnitEditor::startTest);
    connect(save_, &QPushButton::clicked, this, [this] { save(); });
    connect(saveAs_, &QPushButton::clicked, this, [this] { saveAs(); });
    connect(close_, &QPushButton::clicked, this, [this] { frame().close(); });
}

void InferenceUnitEditor::buildControllers() {
    rulesControl_ = new RulesTabController(*unit_, {*rules_, *tabs_, *progress_, *this}, services_.prompter, this);
    variablesControl_ =
        new VariablesTabController(*unit_, {*inputs_, *outputs_, *this}, services_.variables, services_.prompter, this);
    generalControl_ = new GeneralTabController(*unit_, *general_, services_.prompter, this);
}

void InferenceUnitEditor::connectTabs() {
    connect(generalControl_, &GeneralTabController::changed, this, &InferenceUnitEditor::markModified);
    connect(variablesControl_, &VariablesTabController::changed, this, &InferenceUnitEditor::variablesChanged);
    connect(rulesControl_, &RulesTabController::changed, this, &InferenceUnitEditor::markModified);
    connect(rulesControl_, &RulesTabController::commandStateChanged, this, &InferenceUnitEditor::commandStateChanged);
    connect(rules_, &EditorRulesTab::changed, this, &InferenceUnitEditor::markModified);
    connect(rules_, &EditorRulesTab::userTermsChanged, this, &InferenceUnitEditor::userTermsChanged);
    connect(tabs_, &QTabWidget::currentChanged, this, &InferenceUnitEditor::tabChanged);
    connect(data_, &EditorDataTab::learningStarted, this, [this] { lockForLearning(true); });
    connect(data_, &EditorDataTab::learningEnded, this, [this] { lockForLearning(false); });
    connect(data_, &EditorDataTab::rulesLearned, this, &InferenceUnitEditor::rulesLearned);
    connect(data_, &EditorDataTab::vocabulariesTuned, this, &InferenceUnitEditor::vocabulariesTuned);
    connect(rulesControl_, &RulesTabController::vocabulariesRestored, this, &InferenceUnitEditor::vocabulariesRestored);
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

bool InferenceUnitEditor::busy() const { return rulesControl_->busy(); }

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
    variablesControl_->refill();
    if (unit_->descriptionType() == DescriptionType::singleton) rulesMenu_->withoutRedundancy();
    rules_->fill();
    tabs_->setCurrentWidget(general_);
    shownTab_ = general_;
    const bool corrected = variablesControl_->checkAll();
    rulesControl_->restartHistory();
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
    if (busy() || testing()) return;
    if (rulesControl_->shown()) {
        if (!rules_->mayLeave()) return;
        rules_->commit();
    }
    try {
        unit_->Compile();
    } catch (const ESyntax& error) {
        services_.prompter.show(WorkbenchMessages::syntaxError(error.message()));
    }
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
    variablesControl_->lockForTest(locked);
    generalControl_->lockForTest(locked);
    rules_->addButton()->setEnabled(!locked);
    rules_->deleteButton()->setEnabled(!locked);
    data_->setLearningAllowed(!locked);
    updateTestButton();
}

void InferenceUnitEditor::lockForLearning(bool locked) {
    rulesControl_->setBusy(locked);
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
    } else if (rulesControl_->shown()) {
        rules_->fill();
    }
    rulesControl_->rememberGiven(data_->takeLearnedRules(), userTermsReplaced);
    markModified();
}

// A tuning changes contexts, lingparams or user terms, never a rule or a name: one step for Undo.
void InferenceUnitEditor::vocabulariesTuned(const CRuleBase& before) {
    rulesControl_->recordVocabularyStep(before);
    variablesControl_->refill();
    markModified();
}

// Undo or Redo put other vocabularies in place: the tabs that show them follow.
void InferenceUnitEditor::vocabulariesRestored() {
    variablesControl_->refill();
    if (shownTab_ == data_) data_->showing();
    markModified();
}

void InferenceUnitEditor::showTestChanges() { generalControl_->showTestChanges(); }

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
    if (busy()) return nullptr;
    if (rulesControl_->shown()) {
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
    if (rulesControl_->shown()) rules_->commit();
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
    if ((busy() && !data_->running()) || (rulesControl_->shown() && !rules_->mayLeave())) {
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

// --- changes --------------------------------------------------------------------------------------------

void InferenceUnitEditor::markModified() {
    rulesControl_->remember();
    setModified(true);
    emit commandStateChanged();
}

// Rules rewritten for other variables no longer fit the earlier rule lists: the history starts again.
void InferenceUnitEditor::variablesChanged(bool historyBroken) {
    rulesControl_->forgetVocabularyStep();
    rules_->variablesChanged();
    if (historyBroken) rulesControl_->restartHistory();
    markModified();
    updateTestButton();
}

}  // namespace zorv
