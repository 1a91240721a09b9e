// The engine comes before Qt, whose "slots" macro would otherwise rewrite its members.
#include "rulebase/CRuleBase.h"

#include "app/qt/variables/VariableDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFocusEvent>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "app/core/variables/VariableForm.h"
#include "app/qt/workbench/MessageBoxPrompter.h"
#include "app/qt/workbench/ShownText.h"
#include "app/qt/terms/UserTermsDialog.h"

namespace zorv {

namespace {

// Leaving a field by the keyboard or the mouse runs its check; focus lost to a message box or a popup
// does not.
bool LeftByUser(const QEvent* event) {
    if (event->type() != QEvent::FocusOut) return false;
    const Qt::FocusReason reason = static_cast<const QFocusEvent*>(event)->reason();
    return reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason || reason == Qt::MouseFocusReason ||
           reason == Qt::ShortcutFocusReason;
}

std::string TextOf(const QLineEdit* edit) { return edit->text().toStdString(); }

}  // namespace

VariableDialog::VariableDialog(QWidget* parent, Prompter* prompter)
    : QDialog(parent),
      ownPrompter_(prompter == nullptr ? std::make_unique<MessageBoxPrompter>() : nullptr),
      prompter_(prompter == nullptr ? ownPrompter_.get() : prompter),
      termsEditor_(&UserTermsDialog::edit) {
    buildForm();
}

VariableDialog::~VariableDialog() = default;

void VariableDialog::buildForm() {
    name_ = new QLineEdit(this);
    copyList_ = new QComboBox(this);
    discretization_ = new QLineEdit(this);
    low_ = new QLineEdit(this);
    high_ = new QLineEdit(this);
    editExpressions_ = new QPushButton(tr("Edit expressions..."), this);
    editExpressions_->setAutoDefault(false);
    layout_ = new QFormLayout;
    layout_->addRow(tr("Name of variable:"), name_);
    layout_->addRow(tr("Copy from variable:"), copyList_);
    layout_->addRow(tr("Discretization (20 - 1000):"), discretization_);
    layout_->addRow(tr("Lower bound:"), low_);
    layout_->addRow(tr("Upper bound:"), high_);
    layout_->addRow(tr("Expression:"), editExpressions_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    // The buttons take no focus, so that pressing them does not first run the check of the field left.
    for (QAbstractButton* button : buttons->buttons()) button->setFocusPolicy(Qt::NoFocus);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(layout_);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &VariableDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &VariableDialog::reject);
    connect(editExpressions_, &QPushButton::clicked, this, &VariableDialog::editExpressions);
    connect(copyList_, &QComboBox::activated, this, &VariableDialog::chooseCopySource);
    for (QLineEdit* edit : {discretization_, low_, high_}) edit->installEventFilter(this);
}

bool VariableDialog::editVariable(QWidget* parent, CRuleBase& unit, int signedIndex) {
    VariableDialog dialog(parent);
    dialog.prepareEdit(unit, signedIndex);
    dialog.exec();
    return dialog.unitChanged();
}

bool VariableDialog::addVariable(QWidget* parent, CRuleBase& unit, bool input, int copyFrom) {
    VariableDialog dialog(parent);
    dialog.prepareAdd(unit, input, copyFrom);
    dialog.exec();
    return dialog.unitChanged();
}

bool VariableDialog::checkVariable(QWidget* parent, CRuleBase& unit, int signedIndex) {
    VariableDialog dialog(parent);
    dialog.prepareEdit(unit, signedIndex);
    if (dialog.runChecks()) return false;
    dialog.exec();
    return dialog.unitChanged();
}

void VariableDialog::prepareEdit(CRuleBase& unit, int signedIndex) {
    form_ = std::make_unique<VariableForm>(unit, signedIndex);
    fillFromForm();
}

void VariableDialog::prepareAdd(CRuleBase& unit, bool input, int copyFrom) {
    form_ = std::make_unique<VariableForm>(VariableForm::ForAdd(unit, input, copyFrom));
    fillFromForm();
}

void VariableDialog::fillFromForm() {
    setWindowTitle(shownText(form_->caption()));
    copyList_->clear();
    for (const std::string& name : form_->copyChoices()) copyList_->addItem(QString::fromStdString(name));
    copyList_->setCurrentIndex(form_->copyChoice());
    layout_->setRowVisible(copyList_, form_->addMode());
    layout_->setRowVisible(discretization_, !form_->linear());
    layout_->setRowVisible(editExpressions_, !form_->linear());
    editExpressions_->setEnabled(!form_->addMode());
    setFields(form_->initialFields());
    name_->setFocus();
}

bool VariableDialog::unitChanged() const { return form_ && form_->changed(); }

bool VariableDialog::discretizationShown() const { return form_ && !form_->linear(); }

VariableFields VariableDialog::fields() const {
    return {TextOf(name_), TextOf(low_), TextOf(high_), TextOf(discretization_)};
}

void VariableDialog::setFields(const VariableFields& fields) {
    name_->setText(QString::fromStdString(fields.name));
    low_->setText(QString::fromStdString(fields.low));
    high_->setText(QString::fromStdString(fields.high));
    discretization_->setText(QString::fromStdString(fields.discretization));
}

void VariableDialog::chooseCopySource(int position) {
    if (form_) setFields(form_->chooseCopySource(position));
}

bool VariableDialog::runChecks() {
    if (!form_) return false;
    const auto message = form_->check(fields());
    if (message) prompter_->show(*message);
    return !message;
}

void VariableDialog::editExpressions() {
    if (!form_ || form_->addMode() || form_->linear()) return;
    const VariableBoundsOutcome outcome = form_->applyBounds(fields());
    if (outcome.message) prompter_->show(*outcome.message);
    if (!outcome.applied) return;
    // The editor works on the rule base the form edits; the form knows which one.
    if (termsEditor_ && termsEditor_(this, form_->unit(), form_->variableIndex())) form_->noteTermsEdited();
}

bool VariableDialog::leaveDiscretization() {
    if (!discretizationShown()) return true;
    const auto message = VariableForm::discretizationExit(TextOf(discretization_));
    if (!message) return true;
    prompter_->show(*message);
    discretization_->setFocus();
    return false;
}

bool VariableDialog::leaveBound(QLineEdit* edit) {
    const auto message = VariableForm::boundExit(TextOf(edit));
    if (!message) return true;
    prompter_->show(*message);
    edit->setFocus();
    return false;
}

bool VariableDialog::eventFilter(QObject* watched, QEvent* event) {
    if (LeftByUser(event) && isVisible()) {
        // Checked once the focus has settled, so that the message box does not fight the focus change.
        if (watched == discretization_) QTimer::singleShot(0, this, [this] { leaveDiscretization(); });
        if (watched == low_) QTimer::singleShot(0, this, [this] { leaveBound(low_); });
        if (watched == high_) QTimer::singleShot(0, this, [this] { leaveBound(high_); });
    }
    return QDialog::eventFilter(watched, event);
}

void VariableDialog::accept() {
    if (!form_ || !runChecks()) return;
    const VariableFields typed = fields();
    PromptAnswer answer = PromptAnswer::no;
    if (const auto question = form_->recomputeQuestion(typed)) {
        answer = prompter_->ask(PromptMessage::warning(question->text), PromptButtons::yesNoCancel);
        if (answer == PromptAnswer::cancel) return;
    }
    form_->accept(typed, answer);
    QDialog::accept();
}

void VariableDialog::reject() {
    if (form_) form_->cancel();
    QDialog::reject();
}

}  // namespace zorv
