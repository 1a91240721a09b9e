#include "app/qt/rules/RulesTabController.h"

#include <QApplication>
#include <QTabWidget>
#include <stdexcept>

#include "app/core/workbench/Prompter.h"
#include "app/core/workbench/WorkbenchMessages.h"
#include "app/qt/editor/EditorProgress.h"
#include "app/qt/rules/EditorRulesTab.h"
#include "app/qt/workbench/TextClipboard.h"
#include "fuzzy/expression/ESyntax.h"
#include "inference/compiled/CompiledRuleBase.h"
#include "rulebase/CRuleBase.h"
#include "rulebase/analysis/DeleteDuplicit.h"
#include "rulebase/analysis/DeleteRedundant.h"
#include "rulebase/analysis/MergeInconsistent.h"
#include "rulebase/analysis/RuleAnalysis.h"

namespace zorv {

RulesTabController::RulesTabController(CRuleBase& unit, Parts parts, Prompter& prompter, QObject* parent)
    : QObject(parent), unit_(unit), parts_(parts), prompter_(prompter) {
    connect(&parts_.tab, &EditorRulesTab::editEnded, this, &RulesTabController::editEnded);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { focusMoved(now); });
}

bool RulesTabController::shown() const { return parts_.tabs.currentWidget() == &parts_.tab; }

// Focus that leaves the window (for the menu bar, another window) leaves the grid's state as it was.
void RulesTabController::focusMoved(QWidget* now) {
    if (now == nullptr || !parts_.window.isAncestorOf(now)) return;
    const bool inGrid = parts_.tab.holds(now);
    if (inGrid == gridFocused_) return;
    gridFocused_ = inGrid;
    emit commandStateChanged();
}

// --- undo ------------------------------------------------------------------------------------------------

// The rules shown are the rule base's unless the grid shows rows of its own. Whether they changed is told
// without listing them: a rule base of a million rules would take a second each time.
bool RulesTabController::changedSinceRemembered() const {
    if (shown() && !parts_.tab.grid().asFilled()) return parts_.tab.grid().revision() != rememberedGrid_;
    const auto compiled = unit_.Compiled();
    if (!compiled) return true;
    const std::weak_ptr<const void> rules = compiled->SharedRules();
    return rules.owner_before(rememberedRules_) || rememberedRules_.owner_before(rules);
}

void RulesTabController::noteRemembered() {
    rememberedGrid_ = parts_.tab.grid().revision();
    const auto compiled = unit_.Compiled();
    rememberedRules_ = compiled ? std::weak_ptr<const void>(compiled->SharedRules()) : std::weak_ptr<const void>();
}

// A rule edit after a tuning was taken back leaves nothing to redo.
void RulesTabController::push(RuleList rules) {
    if (history_.snapshot(std::move(rules)) && vocabularyStep_ && vocabularyStep_->Undone()) forgetVocabularyStep();
    noteRemembered();
}

void RulesTabController::remember() {
    if (shown() && (parts_.tab.editing() || !parts_.tab.currentCellFilled())) return;
    if (changedSinceRemembered()) push(currentRules());
}

void RulesTabController::rememberGiven(RuleList rules, bool restart) {
    if (restart) {
        history_.clear();
        forgetVocabularyStep();
    }
    push(std::move(rules));
}

void RulesTabController::editEnded(bool filled) {
    if (filled && changedSinceRemembered()) push(currentRules());
    emit commandStateChanged();
}

// The rules as the Rules tab shows them, else as the rule base holds them.
RuleList RulesTabController::currentRules() const {
    return shown() ? parts_.tab.rules() : unit_.Rules();
}

void RulesTabController::restartHistory() {
    history_.clear();
    history_.snapshot(currentRules());
    noteRemembered();
    forgetVocabularyStep();
}

void RulesTabController::recordVocabularyStep(const CRuleBase& before) {
    restartHistory();
    vocabularyStep_ = std::make_unique<VocabularyUndoStep>(before, unit_);
    emit commandStateChanged();
}

// Neighbours on the undo stack differ, and the rules equal its top unless they changed since remembered: a
// change in progress (a cell being edited) is taken as one Undo can take back.
bool RulesTabController::rulesCanUndo() const {
    return history_.undoDepth() > 1 || (history_.undoDepth() == 1 && changedSinceRemembered());
}

// The top of the redo stack is the rules Undo left, which differ from the undo stack's top.
bool RulesTabController::rulesCanRedo() const { return history_.canRedo(); }

bool RulesTabController::canUndo() const {
    return rulesCanUndo() || (vocabularyStep_ && !vocabularyStep_->Undone());
}

bool RulesTabController::canRedo() const {
    return (vocabularyStep_ && vocabularyStep_->Undone()) || rulesCanRedo();
}

// A cell being edited is taken as it stands: its edit is what Undo takes back first. The tuning lies below
// every rule list remembered since it.
void RulesTabController::undo() {
    if (busy_) return;
    if (shown()) parts_.tab.finishEditing();
    if (rulesCanUndo()) {
        if (const auto previous = history_.undo(currentRules())) applyRules(*previous);
    } else if (vocabularyStep_ && !vocabularyStep_->Undone()) {
        stepVocabularies(true);
    }
    emit commandStateChanged();
}

void RulesTabController::redo() {
    if (busy_) return;
    if (shown()) parts_.tab.finishEditing();
    if (vocabularyStep_ && vocabularyStep_->Undone()) {
        stepVocabularies(false);
    } else if (const auto next = history_.redo(currentRules())) {
        applyRules(*next);
    }
    emit commandStateChanged();
}

void RulesTabController::stepVocabularies(bool back) {
    if (shown()) parts_.tab.commit();
    try {
        if (back) {
            vocabularyStep_->Undo(unit_);
        } else {
            vocabularyStep_->Redo(unit_);
        }
    } catch (const ESyntax& error) {
        prompter_.show(WorkbenchMessages::syntaxError(error.message()));
    }
    if (shown()) parts_.tab.fill();
    noteRemembered();  // the rules read as before; only what their words mean changed
    emit vocabulariesRestored();
}

void RulesTabController::applyRules(const RuleList& rules) {
    try {
        unit_.SetRules(rules);
    } catch (const ESyntax& error) {
        // The rules are in place; a cell that no longer compiles is reported.
        prompter_.show(WorkbenchMessages::syntaxError(error.message()));
    } catch (const std::invalid_argument&) {
        // A list taken for other variables; the rule base keeps its rules.
        return;
    }
    if (shown()) parts_.tab.fill();
    emit changed();
}

// --- clipboard, rule commands, words ---------------------------------------------------------------------

bool RulesTabController::canUseClipboard() const {
    return !busy_ && (gridFocused() || TextClipboard::handles(parts_.window.focusWidget()));
}

void RulesTabController::cut() {
    if (busy_) return;
    if (!gridFocused()) {
        TextClipboard::cut(parts_.window.focusWidget());
        return;
    }
    parts_.tab.cut();
    parts_.tab.takeFocus();
}

void RulesTabController::copy() {
    if (busy_) return;
    if (!gridFocused()) {
        TextClipboard::copy(parts_.window.focusWidget());
        return;
    }
    parts_.tab.copy();
    parts_.tab.takeFocus();
}

void RulesTabController::paste() {
    if (busy_) return;
    if (!gridFocused()) {
        TextClipboard::paste(parts_.window.focusWidget());
        return;
    }
    parts_.tab.paste();
    parts_.tab.takeFocus();
}

bool RulesTabController::canRun(RuleCommand command) const {
    if (busy_ || !shown()) return false;
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

void RulesTabController::run(RuleCommand command) {
    if (!canRun(command)) return;
    EditorRulesTab& tab = parts_.tab;
    switch (command) {
        case RuleCommand::deleteEmpty: tab.deleteEmpty(); tab.takeFocus(); break;
        case RuleCommand::duplicate: tab.duplicate(); tab.takeFocus(); break;
        case RuleCommand::invertSign: tab.invertSign(); tab.takeFocus(); break;
        case RuleCommand::deleteDuplicit:
        case RuleCommand::deleteRedundant:
        case RuleCommand::mergeInconsistent: runAnalysisCommand(command); break;
    }
}

// The commands built on the rule analysis replace the rules of the rule base, which the grid then shows.
void RulesTabController::runAnalysisCommand(RuleCommand command) {
    if (!parts_.tab.checkCurrent()) return;
    parts_.tab.commit();
    try {
        if (command == RuleCommand::deleteDuplicit) {
            unit_.SetRules(deleteDuplicit(parts_.tab.rules()));
        } else if (command == RuleCommand::deleteRedundant) {
            unit_.SetRules(withoutRedundant());
        } else {
            mergeInconsistent(unit_);
        }
    } catch (const ESyntax&) {
        // The rules are in place; a cell that does not compile is refused when the rule base is saved.
    }
    parts_.tab.fill();
    emit changed();
}

// Judging every rule against all others takes a while on large rule bases: the progress bar counts the
// rules, and the window takes no other command until the judgement is done.
std::vector<RuleRow> RulesTabController::withoutRedundant() {
    const RuleAnalysis analysis = RuleAnalysis::of(unit_);
    const std::vector<RuleRow> rows = unit_.Rules();
    std::vector<RuleRow> kept;
    busy_ = true;
    parts_.tabs.setEnabled(false);
    emit commandStateChanged();
    parts_.progress.run(static_cast<int>(rows.size()), [&](const EditorProgress::StepReport& report) {
        kept = deleteRedundant(analysis, rows, report);
    });
    parts_.tabs.setEnabled(true);
    busy_ = false;
    return kept;
}

bool RulesTabController::insertWord(const QString& word, bool moveToNext) {
    if (busy_ || !shown()) return false;
    parts_.tab.insertWord(word, moveToNext);
    return true;
}

QStringList RulesTabController::currentUserTerms() const {
    return shown() ? parts_.tab.currentUserTerms() : QStringList();
}

}  // namespace zorv
