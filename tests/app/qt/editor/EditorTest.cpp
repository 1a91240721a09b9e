#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <fstream>

#include "tests/app/qt/WorkbenchTestWindow.h"
#include "app/qt/editor/EditorGeneralTab.h"
#include "app/qt/editor/EditorProgress.h"
#include "app/qt/variables/EditorVariablesTab.h"
#include "app/qt/editor/InferenceUnitEditor.h"
#include "app/qt/rules/RulesTabController.h"
#include "app/qt/rules/WordToolBar.h"

namespace zorv {
namespace {

QStringList rowTexts(const QTableWidget& grid, int row) {
    QStringList texts;
    for (int c = 0; c < grid.columnCount(); ++c) texts << grid.item(row, c)->text();
    return texts;
}

RuleList oneRule(const std::string& x, const std::string& y) {
    return {RuleRow{true, {x, y}}};
}

}  // namespace

class EditorTest : public test::MainWindowFixture {
    Q_OBJECT

private:

    InferenceUnitEditor* newEditor(DescriptionType type = DescriptionType::linguistic) {
        bench->newRuleBase.type = type;
        window->newRuleBase();
        return window->activeEditor();
    }

    // A named, saved editor.
    InferenceUnitEditor* savedEditor(const QString& name) {
        const QString path = bench->path(name);
        CRuleBase::Create(DescriptionType::linguistic)->SaveToFile(path.toStdString());
        return window->openPath(path);
    }

    bool closeEditor(InferenceUnitEditor* editor) {
        return qobject_cast<QMdiSubWindow*>(editor->parentWidget())->close();
    }

private Q_SLOTS:
    // --- closing ---------------------------------------------------------------------------------------

    void closeAnsweredYesWithAFailingSaveKeepsTheEditorAndItsChanges() {
        InferenceUnitEditor* editor = newEditor();
        editor->generalTab()->descriptionEdit()->setPlainText(QStringLiteral("precious"));
        bench->files.saveAnswers.push_back(bench->path("no-such-folder/lost.rb"));
        prompter().answers = {PromptAnswer::yes};

        QVERIFY(!closeEditor(editor));
        QCOMPARE(prompter().shown.size(), std::size_t{1});
        QCOMPARE(prompter().shown[0],
                 (PromptMessage{"Cannot write to rulebase file", "Write Error", PromptIcon::warning}));
        QCOMPARE(window->editors().size(), 1);
        QVERIFY(editor->isModified());
        QVERIFY(!editor->isNamed());
        QCOMPARE(editor->caption(), QStringLiteral("NoName0.rb"));
        QCOMPARE(editor->generalTab()->descriptionEdit()->toPlainText(), QStringLiteral("precious"));
    }

    void closeAnsweredYesWithTheSaveDialogCancelledKeepsTheEditor() {
        InferenceUnitEditor* editor = newEditor();
        prompter().answers = {PromptAnswer::yes};
        QVERIFY(!closeEditor(editor));
        QCOMPARE(bench->files.saveStarts.size(), std::size_t{1});
        QVERIFY(prompter().shown.empty());
        QCOMPARE(window->editors().size(), 1);
        QVERIFY(editor->isModified());
    }

    void closeAnsweredYesSavesAndCloses() {
        InferenceUnitEditor* editor = newEditor();
        const QString path = bench->path("kept.rb");
        bench->files.saveAnswers.push_back(path);
        prompter().answers = {PromptAnswer::yes};
        QVERIFY(closeEditor(editor));
        QTRY_VERIFY(window->editors().isEmpty());
        QVERIFY(QFileInfo::exists(path));
        QVERIFY(!window->actions().save->isEnabled());
        QVERIFY(!window->actions().saveAs->isEnabled());
    }

    void closeAnsweredNoDiscardsAndCancelKeeps() {
        InferenceUnitEditor* editor = savedEditor("answers.rb");
        editor->markModified();
        prompter().answers = {PromptAnswer::cancel};
        QVERIFY(!closeEditor(editor));
        QCOMPARE(prompter().asked.back().text, std::string("Do you want to save changes in answers.rb?"));
        QCOMPARE(prompter().askedButtons.back(), PromptButtons::yesNoCancel);
        prompter().answers = {PromptAnswer::no};
        QVERIFY(closeEditor(editor));
        QVERIFY(bench->files.saveStarts.empty());
    }

    void closeButtonClosesLikeTheWindow() {
        InferenceUnitEditor* editor = savedEditor("button.rb");
        QTest::mouseClick(editor->closeButton(), Qt::LeftButton);
        QTRY_VERIFY(window->editors().isEmpty());
        QVERIFY(prompter().asked.empty());
    }

    void closingAnEditorTakesItsUserTermsOffTheToolbar() {
        InferenceUnitEditor* editor = savedEditor("terms.rb");
        WordToolBar* userTerms = window->wordToolBar(MainWindow::WordBar::user);
        userTerms->setWords({"warm"});
        QVERIFY(closeEditor(editor));
        QTRY_VERIFY(userTerms->words().isEmpty());
    }

    // --- clipboard -------------------------------------------------------------------------------------

    void clipboardCommandsWorkOnTheFocusedTextControl() {
        InferenceUnitEditor* editor = savedEditor("clip.rb");
        QPlainTextEdit* description = editor->generalTab()->descriptionEdit();
        description->setPlainText(QStringLiteral("cut me"));
        QVERIFY(editor->save() == SaveOutcome::saved);
        description->setFocus();
        description->selectAll();
        QCOMPARE(editor->focusWidget(), description);

        window->actions().copy->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("cut me"));
        QVERIFY(!editor->isModified());

        window->actions().cut->trigger();
        QVERIFY(description->toPlainText().isEmpty());
        QVERIFY(editor->isModified());

        window->actions().paste->trigger();
        window->actions().paste->trigger();
        QCOMPARE(description->toPlainText(), QStringLiteral("cut mecut me"));
    }

    // --- saving ----------------------------------------------------------------------------------------

    void saveWritesANamedRuleBaseInPlace() {
        InferenceUnitEditor* editor = savedEditor("inplace.rb");
        editor->generalTab()->descriptionEdit()->setPlainText(QStringLiteral("new words"));
        QVERIFY(editor->isModified());
        QCOMPARE(editor->save(), SaveOutcome::saved);
        QVERIFY(bench->files.saveStarts.empty());
        QVERIFY(!editor->isModified());
        QCOMPARE(CRuleBase::Load(editor->fileName().toStdString())->Description(), std::string("new words"));
    }

    void failedSaveAsKeepsTheOldNameAndTheChanges() {
        InferenceUnitEditor* editor = savedEditor("before.rb");
        editor->markModified();
        bench->files.saveAnswers.push_back(bench->path("missing-folder/after.rb"));
        QCOMPARE(editor->saveAs(), SaveOutcome::failed);
        QCOMPARE(editor->caption(), bench->path("before.rb"));
        QCOMPARE(editor->generalTab()->unitName()->text(), QStringLiteral("before"));
        QVERIFY(editor->isModified());
        QVERIFY(editor->isNamed());
        QCOMPARE(bench->files.saveStarts[0], bench->path("before.rb"));
    }

    void ruleBaseTheFileCannotHoldIsRefusedWithItsReason() {
        InferenceUnitEditor* editor = newEditor();
        editor->generalTab()->descriptionEdit()->setPlainText(QStringLiteral("a\n!END_COMMENT!\nb"));
        const QString path = bench->path("refused.rb");
        bench->files.saveAnswers.push_back(path);
        QCOMPARE(editor->save(), SaveOutcome::failed);
        QCOMPARE(prompter().shown.size(), std::size_t{1});
        QCOMPARE(prompter().shown[0].caption, std::string("Write Error"));
        QVERIFY(prompter().shown[0].text != "Cannot write to rulebase file");
        QVERIFY(!QFileInfo::exists(path));
        QVERIFY(editor->isModified());
    }

    // --- General tab -----------------------------------------------------------------------------------

    void generalTabShowsALinguisticRuleBase() {
        InferenceUnitEditor* editor = savedEditor("general.rb");
        EditorGeneralTab* general = editor->generalTab();
        QCOMPARE(editor->tabs()->currentWidget(), general);
        QStringList tabs;
        for (int i = 0; i < editor->tabs()->count(); ++i) tabs << editor->tabs()->tabText(i);
        QCOMPARE(tabs, (QStringList{"&General", "&Input variables", "O&utput variables", "&Rules", "Input / Output"}));
        QCOMPARE(general->unitName()->text(), QStringLiteral("general"));
        QVERIFY(general->unitName()->isReadOnly());
        QCOMPARE(general->unitType()->text(), QStringLiteral("Linguistic"));
        QCOMPARE(general->inference()->count(), 5);
        QCOMPARE(general->inference()->currentText(), QStringLiteral("Perception-based Logical Deduction"));
        QCOMPARE(general->defuzzification()->count(), 7);
        QCOMPARE(general->defuzzification()->currentText(),
                 QStringLiteral("Simple Defuzzification of Linguistic Expressions (DEE)"));
        QVERIFY(!general->defuzzification()->isHidden());
        QVERIFY(general->filter()->isEnabled());
        QCOMPARE(general->descriptionEdit()->toPlainText(),
                 QStringLiteral("Enter your description of the rulebase here."));
        QVERIFY(editor->testButton()->isEnabled());
    }

    void generalTabHidesDefuzzificationForASingletonRuleBase() {
        InferenceUnitEditor* editor = newEditor(DescriptionType::singleton);
        EditorGeneralTab* general = editor->generalTab();
        QCOMPARE(general->unitType()->text(), QStringLiteral("TS-Singleton"));
        QCOMPARE(general->inference()->count(), 1);
        QCOMPARE(general->inference()->currentText(), QStringLiteral("Takagi-Sugeno Inference"));
        QVERIFY(general->defuzzification()->isHidden());
        QVERIFY(general->defuzzificationCaption()->isHidden());
    }

    void choosingMethodsChangesTheRuleBaseAndMarksModified() {
        InferenceUnitEditor* editor = savedEditor("methods.rb");
        EditorGeneralTab* general = editor->generalTab();

        general->inference()->setCurrentIndex(2);
        Q_EMIT general->inference()->activated(2);
        QCOMPARE(QString::fromUtf8(editor->unit().InferenceMethod().displayName.data()).left(38),
                 QStringLiteral("Fuzzy Approximation (DNF) with Minimum"));
        QVERIFY(editor->isModified());
        QVERIFY(window->actions().save->isEnabled());

        general->filter()->setChecked(true);
        QVERIFY(editor->unit().UseFuzzyFilter());

        Q_EMIT general->defuzzification()->activated(6);  // smooth
        QVERIFY(editor->unit().DefuzzificationMethod().smooth);
        QVERIFY(!general->filter()->isChecked());
        QVERIFY(!general->filter()->isEnabled());
        QVERIFY(!editor->unit().UseFuzzyFilter());

        Q_EMIT general->defuzzification()->activated(0);
        QCOMPARE(editor->unit().DefuzzificationMethod().fileKey, std::string_view("SimpleCenterOfGravity"));
        QVERIFY(general->filter()->isEnabled());
        QVERIFY(!general->filter()->isChecked());
    }

    void openingARuleBaseWithTheSmoothMethodDisablesTheFilter() {
        const auto unit = CRuleBase::Create(DescriptionType::linguistic);
        unit->SetDefuzzificationMethod(*FindDefuzzificationMethod("Smooth Deffuz Ling Expr"));
        const QString path = bench->path("smooth.rb");
        unit->SaveToFile(path.toStdString());
        InferenceUnitEditor* editor = window->openPath(path);
        QVERIFY(!editor->generalTab()->filter()->isEnabled());
        QVERIFY(!editor->isModified());
    }

    // --- variables tabs --------------------------------------------------------------------------------

    void variablesGridsListNamesAndBounds() {
        InferenceUnitEditor* editor = newEditor();
        QTableWidget* inputs = editor->inputTab()->grid();
        QCOMPARE(inputs->horizontalHeaderItem(0)->text(), QStringLiteral("Name"));
        QCOMPARE(inputs->horizontalHeaderItem(4)->text(), QStringLiteral("Type"));
        QCOMPARE(inputs->rowCount(), 1);
        QCOMPARE(rowTexts(*inputs, 0), (QStringList{"X", "", "0.00", "1.00", ""}));
        QCOMPARE(rowTexts(*editor->outputTab()->grid(), 0), (QStringList{"Y", "", "0.00", "1.00", ""}));
        QVERIFY(!editor->outputTab()->addButton());
        QVERIFY(!editor->outputTab()->deleteButton());
        QCOMPARE(editor->inputTab()->addButton()->text(), QStringLiteral("Add variab&le"));
    }

    void deletingTheOnlyInputVariableIsRefused() {
        InferenceUnitEditor* editor = savedEditor("only.rb");
        editor->inputTab()->deleteButton()->click();
        QCOMPARE(prompter().shown.size(), std::size_t{1});
        QCOMPARE(prompter().shown[0],
                 (PromptMessage{"At least one variable is required", "Warning", PromptIcon::warning}));
        QCOMPARE(editor->unit().AntecedentCount(), 1);
        QVERIFY(!editor->isModified());
    }

    void addingAndDeletingInputVariables() {
        InferenceUnitEditor* editor = savedEditor("vars.rb");
        editor->inputTab()->addButton()->click();
        QCOMPARE(bench->variables.adds, std::vector<int>{0});
        QCOMPARE(editor->inputTab()->grid()->rowCount(), 2);
        QCOMPARE(editor->inputTab()->grid()->item(1, 0)->text(), QStringLiteral("Copy_X"));
        QVERIFY(editor->isModified());

        editor->inputTab()->selectRow(1);
        prompter().answers = {PromptAnswer::no};
        editor->inputTab()->deleteButton()->click();
        QCOMPARE(prompter().asked.back(), (PromptMessage{"Are you sure to delete the variable Copy_X?",
                                                         "Confirmation", PromptIcon::question}));
        QCOMPARE(prompter().askedButtons.back(), PromptButtons::yesNo);
        QCOMPARE(editor->unit().AntecedentCount(), 2);

        prompter().answers = {PromptAnswer::yes};
        editor->inputTab()->deleteButton()->click();
        QCOMPARE(editor->unit().AntecedentCount(), 1);
        QCOMPARE(editor->inputTab()->grid()->rowCount(), 1);
        QCOMPARE(editor->unit().VariableName(0), std::string("X"));

        // The saved file holds what the tabs show.
        QCOMPARE(editor->save(), SaveOutcome::saved);
        QCOMPARE(CRuleBase::Load(editor->fileName().toStdString())->AntecedentCount(), 1);
    }

    void cancelledAddChangesNothing() {
        InferenceUnitEditor* editor = savedEditor("cancelled.rb");
        bench->variables.accept = false;
        editor->inputTab()->addButton()->click();
        QCOMPARE(editor->unit().AntecedentCount(), 1);
        QVERIFY(!editor->isModified());
    }

    void editingPassesTheSignedIndexAndRefills() {
        InferenceUnitEditor* editor = savedEditor("edit.rb");
        bench->variables.newName = "speed";
        editor->tabs()->setCurrentWidget(editor->inputTab());
        QTableWidget* grid = editor->inputTab()->grid();
        const QPoint cell = grid->visualItemRect(grid->item(0, 0)).center();
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell);
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cell);
        bench->variables.newName = "brake";
        editor->outputTab()->editButton()->click();
        QCOMPARE(bench->variables.edits, (std::vector<int>{0, -1}));
        QCOMPARE(editor->inputTab()->grid()->item(0, 0)->text(), QStringLiteral("speed"));
        QCOMPARE(editor->outputTab()->grid()->item(0, 0)->text(), QStringLiteral("brake"));
        QVERIFY(editor->isModified());
    }

    void variablesFailingTheirChecksAreShownForCorrection() {
        const QString path = bench->path("even.rb");
        std::ofstream(path.toStdString())
            << "TypeOfDescription=linguistic\nInfMethod=Logical_Deduction\nDefuzzMethod=SimpDefuzzLingExpression\n"
               "NumberOfAntecedentVariables=2\nNumberOfSuccedentVariables=1\nNumberOfRules=1\n"
               "AntVariable1\n name=ok\n settings=linguistic\n context=<0,1>\n discretization=301\nEnd_AntVariable1\n"
               "AntVariable2\n name=even\n settings=linguistic\n context=<-5.3,5.7>\n discretization=300\n"
               "End_AntVariable2\n"
               "SucVariable1\n name=out\n settings=linguistic\n context=<0,1>\n discretization=301\nEnd_SucVariable1\n"
               "RULES\n \"sm\" \"ze\" | \"bi\"\nEND_RULES\n";
        bench->variables.accept = false;
        InferenceUnitEditor* editor = window->openPath(path);
        QVERIFY(editor);
        QCOMPARE(prompter().shown.size(), std::size_t{1});
        QCOMPARE(prompter().shown[0].text, std::string("Discretization for symetrical variable must be odd value!"));
        QCOMPARE(bench->variables.edits, std::vector<int>{1});
        QVERIFY(!editor->isModified());

        // A correction made in the dialog is a change to save.
        prompter().answers = {PromptAnswer::no};
        QVERIFY(closeEditor(editor));
        QTRY_VERIFY(window->editors().isEmpty());
        bench->variables.accept = true;
        QVERIFY(window->openPath(path)->isModified());
    }

    // --- undo and redo ---------------------------------------------------------------------------------

    void undoAndRedoRuleEdits() {
        InferenceUnitEditor* editor = savedEditor("undo.rb");
        CRuleBase& unit = editor->unit();
        const RuleList original = unit.Rules();
        unit.SetRules(oneRule("sm", "bi"));
        editor->markModified();
        unit.SetRules(oneRule("bi", "sm"));
        editor->markModified();

        window->actions().undo->trigger();
        QCOMPARE(unit.Rules(), oneRule("sm", "bi"));
        window->actions().undo->trigger();
        QCOMPARE(unit.Rules(), original);
        window->actions().undo->trigger();
        QCOMPARE(unit.Rules(), original);

        window->actions().redo->trigger();
        QCOMPARE(unit.Rules(), oneRule("sm", "bi"));
        window->actions().redo->trigger();
        QCOMPARE(unit.Rules(), oneRule("bi", "sm"));
        window->actions().redo->trigger();
        QCOMPARE(unit.Rules(), oneRule("bi", "sm"));
    }

    void undoDoesNotReachAcrossAChangeOfVariables() {
        InferenceUnitEditor* editor = savedEditor("widths.rb");
        editor->unit().SetRules(oneRule("sm", "bi"));
        editor->markModified();
        editor->inputTab()->addButton()->click();
        const RuleList widened = editor->unit().Rules();
        QCOMPARE(widened[0].texts.size(), std::size_t{3});
        editor->rules().undo();
        QCOMPARE(editor->unit().Rules(), widened);
        QVERIFY(prompter().shown.empty());
    }

    // --- progress --------------------------------------------------------------------------------------

    void progressCountsStepsAndShowsTheElapsedSeconds() {
        InferenceUnitEditor* editor = newEditor();
        EditorProgress* progress = editor->progress();
        std::vector<int> seen;
        progress->run(3, [&](const EditorProgress::StepReport& report) {
            for (int step = 1; step <= 3; ++step) {
                report(step, 3);
                seen.push_back(progress->bar()->value());
            }
            QCOMPARE(progress->bar()->maximum(), 3);
        });
        QCOMPARE(seen, (std::vector<int>{1, 2, 3}));
        QCOMPARE(progress->bar()->value(), 0);
        const QRegularExpression seconds(QStringLiteral("^ \\d+\\.\\d\\ds$"));
        QVERIFY(seconds.match(progress->elapsedLabel()->text()).hasMatch());
        QVERIFY(!QApplication::overrideCursor());
    }

    void progressRestoresTheCursorWhenTheWorkFails() {
        InferenceUnitEditor* editor = newEditor();
        bool thrown = false;
        try {
            editor->progress()->run(2, [](const EditorProgress::StepReport&) { throw std::runtime_error("stop"); });
        } catch (const std::runtime_error&) {
            thrown = true;
        }
        QVERIFY(thrown);
        QVERIFY(!QApplication::overrideCursor());
    }
};

}  // namespace zorv

QTEST_MAIN(zorv::EditorTest)
#include "EditorTest.moc"
