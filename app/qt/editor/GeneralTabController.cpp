#include "app/qt/editor/GeneralTabController.h"

#include <QCheckBox>
#include <QComboBox>

#include "app/core/testwindow/UnitMethodChoices.h"
#include "app/core/workbench/Prompter.h"
#include "app/qt/editor/EditorGeneralTab.h"
#include "rulebase/CRuleBase.h"

namespace zorv {

GeneralTabController::GeneralTabController(CRuleBase& unit, EditorGeneralTab& tab, Prompter& prompter,
                                           QObject* parent)
    : QObject(parent), unit_(unit), tab_(tab), prompter_(prompter) {
    connect(&tab_, &EditorGeneralTab::inferenceChosen, this, &GeneralTabController::chooseInference);
    connect(&tab_, &EditorGeneralTab::defuzzificationChosen, this, &GeneralTabController::chooseDefuzzification);
    connect(&tab_, &EditorGeneralTab::filterToggled, this, &GeneralTabController::toggleFilter);
    connect(&tab_, &EditorGeneralTab::descriptionEdited, this, &GeneralTabController::changed);
}

void GeneralTabController::lockForTest(bool locked) {
    tab_.inference()->setEnabled(!locked);
    tab_.defuzzification()->setEnabled(!locked);
    tab_.filter()->setEnabled(!locked && UnitMethodChoices::filterAvailable(unit_));
}

void GeneralTabController::showTestChanges() {
    tab_.showMethods(unit_);
    tab_.filter()->setEnabled(false);
    emit changed();
}

void GeneralTabController::chooseInference(int index) {
    UnitMethodChoices(unit_.descriptionType()).chooseInference(unit_, index);
    emit changed();
}

void GeneralTabController::chooseDefuzzification(int index) {
    UnitMethodChoices(unit_.descriptionType()).chooseDefuzzification(unit_, index);
    tab_.setFilterAvailable(UnitMethodChoices::filterAvailable(unit_));
    emit changed();
}

void GeneralTabController::toggleFilter(bool on) {
    // The switch is stored even when the filter cannot be built now (too many inputs); say why.
    if (const auto refusal = unit_.SetUseFuzzyFilter(on)) {
        prompter_.show({*refusal, "Warning", PromptIcon::warning});
    }
    emit changed();
}

}  // namespace zorv
