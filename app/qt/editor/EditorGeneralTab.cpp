#include "app/qt/editor/EditorGeneralTab.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalBlocker>

#include "app/core/testwindow/UnitMethodChoices.h"
#include "rulebase/CRuleBase.h"
#include "app/qt/workbench/ShownText.h"

namespace zorv {
namespace {

void fillList(QComboBox& list, const std::vector<std::string>& names, int current) {
    const QSignalBlocker blocker(list);
    list.clear();
    for (const std::string& name : names) {
        list.addItem(shownText(name));
    }
    list.setCurrentIndex(current);
}

}  // namespace

EditorGeneralTab::EditorGeneralTab(QWidget* parent)
    : QWidget(parent),
      unitName_(new QLineEdit(this)),
      unitType_(new QLabel(this)),
      inference_(new QComboBox(this)),
      defuzzificationCaption_(new QLabel(tr("Type of defuzzification:"), this)),
      defuzzification_(new QComboBox(this)),
      filter_(new QCheckBox(this)),
      description_(new QPlainTextEdit(this)) {
    unitName_->setReadOnly(true);
    description_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    description_->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);

    auto* form = new QFormLayout(this);
    form->addRow(tr("Name of unit:"), unitName_);
    form->addRow(tr("Type of unit:"), unitType_);
    form->addRow(tr("Type of inference:"), inference_);
    form->addRow(defuzzificationCaption_, defuzzification_);
    form->addRow(tr("Fuzzy Transform Filter:"), filter_);
    form->addRow(tr("Description:"), description_);

    connect(inference_, &QComboBox::activated, this, &EditorGeneralTab::inferenceChosen);
    connect(defuzzification_, &QComboBox::activated, this, &EditorGeneralTab::defuzzificationChosen);
    connect(filter_, &QCheckBox::toggled, this, &EditorGeneralTab::filterToggled);
    connect(description_, &QPlainTextEdit::textChanged, this, &EditorGeneralTab::descriptionEdited);
}

void EditorGeneralTab::fill(const CRuleBase& unit) {
    const UnitMethodChoices choices(unit.descriptionType());
    unitType_->setText(shownText(UnitMethodChoices::typeCaption(unit.descriptionType())));
    fillList(*inference_, choices.inferenceNames(), choices.inferenceIndex(unit));
    fillList(*defuzzification_, choices.defuzzificationNames(), choices.defuzzificationIndex(unit));
    defuzzification_->setVisible(choices.defuzzificationShown());
    defuzzificationCaption_->setVisible(choices.defuzzificationShown());
    showMethods(unit);
    const QSignalBlocker blocker(description_);
    description_->setPlainText(QString::fromStdString(unit.Description()));
}

void EditorGeneralTab::showMethods(const CRuleBase& unit) {
    const UnitMethodChoices choices(unit.descriptionType());
    {
        const QSignalBlocker blockInference(inference_), blockDefuzzification(defuzzification_);
        inference_->setCurrentIndex(choices.inferenceIndex(unit));
        defuzzification_->setCurrentIndex(choices.defuzzificationIndex(unit));
    }
    {
        const QSignalBlocker blocker(filter_);
        filter_->setChecked(unit.UseFuzzyFilter());
    }
    filter_->setEnabled(UnitMethodChoices::filterAvailable(unit));
}

void EditorGeneralTab::setUnitName(const QString& name) {
    unitName_->setText(name);
}

void EditorGeneralTab::setFilterAvailable(bool available) {
    if (!available) {
        const QSignalBlocker blocker(filter_);
        filter_->setChecked(false);
    }
    filter_->setEnabled(available);
}

QString EditorGeneralTab::description() const {
    return description_->toPlainText();
}

}  // namespace zorv
