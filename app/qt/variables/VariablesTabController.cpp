#include "app/qt/variables/VariablesTabController.h"

#include <QPushButton>
#include <algorithm>
#include <vector>

#include "app/core/variables/UnitVariableRows.h"
#include "app/core/variables/VariableChecker.h"
#include "app/core/workbench/Prompter.h"
#include "app/core/workbench/WorkbenchMessages.h"
#include "app/qt/variables/EditorVariablesTab.h"
#include "app/qt/variables/VariableEditing.h"
#include "fuzzy/expression/ESyntax.h"
#include "rulebase/CRuleBase.h"

namespace zorv {

VariablesTabController::VariablesTabController(CRuleBase& unit, Tabs tabs, VariableEditing& dialog,
                                               Prompter& prompter, QObject* parent)
    : QObject(parent), unit_(unit), tabs_(tabs), dialog_(dialog), prompter_(prompter) {
    connect(&tabs_.inputs, &EditorVariablesTab::addRequested, this, &VariablesTabController::add);
    connect(&tabs_.inputs, &EditorVariablesTab::deleteRequested, this, &VariablesTabController::remove);
    connect(&tabs_.inputs, &EditorVariablesTab::editRequested, this, [this](int row) { edit(true, row); });
    connect(&tabs_.outputs, &EditorVariablesTab::editRequested, this, [this](int row) { edit(false, row); });
}

void VariablesTabController::refill() {
    tabs_.inputs.fill(UnitVariableRows::rows(unit_, true));
    tabs_.outputs.fill(UnitVariableRows::rows(unit_, false));
}

void VariablesTabController::lockForTest(bool locked) {
    locked_ = locked;
    for (QPushButton* button : {tabs_.inputs.addButton(), tabs_.inputs.deleteButton(), tabs_.inputs.editButton(),
                                tabs_.outputs.editButton()}) {
        button->setEnabled(!locked);
    }
}

// Rule lists taken before hold one text fewer (or more) per rule; they no longer fit the rule base.
void VariablesTabController::add() {
    if (locked_) return;
    if (!dialog_.addVariable(&tabs_.dialogParent, unit_, true, std::max(tabs_.inputs.selectedRow(), 0))) return;
    refill();
    emit changed(true);
}

void VariablesTabController::remove(int row) {
    if (locked_) return;
    if (unit_.AntecedentCount() <= 1) {
        prompter_.show(WorkbenchMessages::variableRequired());
        return;
    }
    if (row < 0 || row >= unit_.AntecedentCount()) return;
    const auto question = WorkbenchMessages::confirmDeleteVariable(unit_.VariableName(row));
    if (prompter_.ask(question, PromptButtons::yesNo) != PromptAnswer::yes) return;
    try {
        unit_.DeleteVariable(row);
    } catch (const ESyntax& error) {
        prompter_.show(WorkbenchMessages::syntaxError(error.message()));
    }
    refill();
    emit changed(true);
}

void VariablesTabController::edit(bool input, int row) {
    if (locked_) return;
    const int count = input ? unit_.AntecedentCount() : unit_.SuccedentCount();
    if (row < 0 || row >= count) return;
    editAt(UnitVariableRows::signedIndex(input, row));
}

// Rules rewritten for a new context or renamed terms belong to that variable: undoing them alone would give
// rules that no longer fit it.
bool VariablesTabController::editAt(int signedIndex) {
    const auto before = unit_.Rules();
    if (!dialog_.editVariable(&tabs_.dialogParent, unit_, signedIndex)) return false;
    refill();
    compile();
    emit changed(unit_.Rules() != before);
    return true;
}

void VariablesTabController::compile() {
    try {
        unit_.Compile();
    } catch (const ESyntax& error) {
        prompter_.show(WorkbenchMessages::syntaxError(error.message()));
    }
}

bool VariablesTabController::checkAll() {
    std::vector<int> indexes;
    for (int k = 0; k < unit_.AntecedentCount(); ++k) indexes.push_back(k);
    for (int k = 0; k < unit_.SuccedentCount(); ++k) indexes.push_back(~k);
    bool corrected = false;
    const VariableChecker checker;
    for (const int index : indexes) {
        const auto problem = checker.check(unit_, index);
        if (!problem) continue;
        prompter_.show({*problem, {}, PromptIcon::none});
        if (editAt(index)) corrected = true;
    }
    return corrected;
}

}  // namespace zorv
