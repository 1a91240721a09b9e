// The engine comes before Qt, whose "slots" macro would otherwise rewrite its members.
#include "tests/support/TestUnits.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QScrollBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <fstream>

#include "tests/app/qt/WorkbenchTestWindow.h"
#include "app/qt/editor/EditorGeneralTab.h"
#include "app/qt/rules/EditorRulesTab.h"
#include "app/qt/variables/EditorVariablesTab.h"
#include "app/qt/editor/InferenceUnitEditor.h"
#include "app/qt/rules/RulesTabController.h"
#include "app/qt/rules/RulesInfoMenu.h"
#include "app/qt/rules/RulesTableModel.h"
#include "app/qt/rules/WordToolBar.h"
#include "inference/DefuzzificationMethodTable.h"
#include "inference/InferenceMethodTable.h"

namespace zorv {
namespace {

using Texts = std::vector<std::vector<std::string>>;

Texts ruleTexts(const CRuleBase& unit) {
    Texts texts;
    for (const RuleRow& row : unit.Rules()) texts.push_back(row.texts);
    return texts;
}

}  // namespace

class RulesTabTest : public test::MainWindowFixture {
    Q_OBJECT

private:
    InferenceUnitEditor* editor = nullptr;
    EditorRulesTab* rules = nullptr;
    RulesTableView* view = nullptr;

    // speed <0, 10> and load <-5, 5> -> power <0, 100>, saved and opened on the Rules tab.
    void openRules(const Texts& texts, const QString& name = QStringLiteral("rules.rb")) {
        auto unit = test::VariableTestUnits::Linguistic(texts);
        const QString path = bench->path(name);
        unit->SaveToFile(path.toStdString());
        editor = window->openPath(path);
        QVERIFY(editor);
        rules = editor->rulesTab();
        view = rules->view();
        editor->tabs()->setCurrentWidget(rules);
        view->setFocus();
    }
    QRect cellRect(int row, int column) const { return view->visualRect(view->model()->index(row, column)); }
    void clickCell(int row, int column, Qt::KeyboardModifiers keys = {}) {
        QTest::mouseClick(view->viewport(), Qt::LeftButton, keys, cellRect(row, column).center());
    }
    QString cell(int row, int column) const { return view->model()->index(row, column).data().toString(); }
    // Types into the current cell's editor.
    void type(const QString& text) {
        view->editCurrent();
        auto* line = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        QVERIFY(line);
        line->selectAll();
        QTest::keyClicks(line, text);
    }

private Q_SLOTS:
    void gridShowsTheRulesTheFormAndTheAnalysis() {
        openRules({{"sm", "ze", "bi"}, {"me", "-sm", "sm"}, {"sm", "ze", "bi"}});
        QCOMPARE(rules->ruleFormLabel()->text(), QStringLiteral("speed & load --> power"));
        QCOMPARE(view->model()->headerData(3, Qt::Horizontal).toString(), QStringLiteral("power"));
        QCOMPARE(cell(1, 0), QStringLiteral("2."));
        QCOMPARE(cell(1, 2), QStringLiteral("-sm"));
        QCOMPARE(view->model()->index(1, 2).data(Qt::ToolTipRole).toString(), QStringLiteral("-small"));
        QTRY_COMPARE(cell(0, 4), QStringLiteral("same as 3."));

        // The icon of a row label switches the rule off and on.
        view->scrollTo(view->model()->index(1, 0));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->iconRect(1).center());
        QVERIFY(!rules->grid().row(1).enabled);
        QVERIFY(editor->isModified());

        // The Rules info menu stands between View and Window; unchecking an item hides its column.
        QStringList menus;
        for (const QAction* menu : window->menuBar()->actions()) menus << menu->text();
        QCOMPARE(menus, (QStringList{"&File", "&Edit", "&View", "Rules info", "&Window", "&Help"}));
        const int width = view->columnWidth(4);
        editor->rulesInfoMenu()->item(RulesInfoColumn::group)->trigger();
        QVERIFY(view->isColumnHidden(4));
        editor->rulesInfoMenu()->item(RulesInfoColumn::group)->trigger();
        QVERIFY(!view->isColumnHidden(4));
        QCOMPARE(view->columnWidth(4), width);
    }

    void aWrongCellCannotBeLeft() {
        openRules({{"sm", "ze", "bi"}, {"me", "ze", "sm"}});
        clickCell(0, 2);
        type(QStringLiteral("ze xx"));
        QCOMPARE(rules->messageLabel()->text(), QStringLiteral("parse error"));
        QCOMPARE(rules->goodPartLabel()->text(), QStringLiteral("ze "));
        QCOMPARE(rules->badPartLabel()->text(), QStringLiteral("xx"));

        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(view->currentIndex(), view->model()->index(0, 2));
        QVERIFY(view->isEditing());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);  // the editor closes after the key
        QTest::qWait(10);
        QVERIFY(view->isEditing());
        clickCell(1, 1);
        QCOMPARE(view->currentIndex(), view->model()->index(0, 2));
        QVERIFY(view->isEditing());
        editor->tabs()->setCurrentIndex(0);
        QCOMPARE(editor->tabs()->currentWidget(), rules);

        type(QStringLiteral("ze"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(view->currentIndex(), view->model()->index(0, 3));
        QVERIFY(rules->messageLabel()->text().isEmpty());

        // Escape takes back an edit that typing started, its first key included.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!view->isEditing());
        QTest::keyClick(view, Qt::Key_X);
        QVERIFY(view->isEditing());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!view->isEditing());
        QCOMPARE(cell(0, 3), QStringLiteral("bi"));
    }

    void emptyCellsKeepTheTabAndTabOnTheLastCellAddsARule() {
        openRules({{"sm", "ze", "bi"}});
        clickCell(0, 3);
        QTest::keyClick(view, Qt::Key_Tab);
        QCOMPARE(rules->grid().rowCount(), 2);
        QCOMPARE(view->currentIndex(), view->model()->index(1, 1));
        QTest::keyClick(view, Qt::Key_Backtab);
        QCOMPARE(view->currentIndex(), view->model()->index(0, 3));

        editor->tabs()->setCurrentIndex(0);
        QCOMPARE(editor->tabs()->currentWidget(), rules);
        QCOMPARE(view->currentIndex(), view->model()->index(1, 1));
        window->actions().deleteEmpty->trigger();
        editor->tabs()->setCurrentIndex(0);
        QCOMPARE(editor->tabs()->currentWidget(), editor->generalTab());
        QVERIFY(prompter().shown.empty());
    }

    // Tab on the last rule's last cell keeps the keyboard in the grid, so what is typed goes into the new rule.
    void typingAfterTabOnTheLastCellFillsTheNewRule() {
        openRules({{"sm", "ze", "bi"}});
        clickCell(0, 3);
        QTest::keyClick(view, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), view);
        for (const QChar key : QStringLiteral("ra sm")) QTest::keyClicks(QApplication::focusWidget(), QString(key));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(rules->grid().rowCount(), 2);
        QCOMPARE(cell(1, 1), QStringLiteral("ra sm"));
    }

    // After Ctrl+A a click on a cell selects that cell alone, so that a command acts on its rule only.
    void aClickAfterSelectingAllSelectsOneCell() {
        openRules({{"sm", "ze", "bi"}, {"me", "ze", "sm"}, {"bi", "ze", "me"}});
        clickCell(0, 1);
        QTest::keyClick(view, Qt::Key_A, Qt::ControlModifier);
        QVERIFY(view->selectionModel()->isSelected(view->model()->index(2, 3)));
        clickCell(1, 2);
        QCOMPARE(view->selectionModel()->selectedIndexes(), QModelIndexList{view->model()->index(1, 2)});
        QVERIFY(!view->isEditing());
        window->actions().duplicate->trigger();
        QCOMPARE(rules->grid().rowCount(), 4);
    }

    // A click elsewhere is refused on a wrong cell; Escape then takes the cell back to its text from before.
    void escapeAfterARefusedClickRestoresTheCell() {
        openRules({{"sm", "ze", "bi"}, {"me", "ze", "sm"}});
        clickCell(0, 2);
        type(QStringLiteral("ve foo"));
        clickCell(1, 1);
        QVERIFY(view->isEditing());
        QCOMPARE(view->currentIndex(), view->model()->index(0, 2));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!view->isEditing());
        QCOMPARE(cell(0, 2), QStringLiteral("ze"));
    }

    // Columns widen for longer texts up to a limit, a text cut there shows whole in its tool tip, and the
    // grid opens at its first column wherever the cursor was.
    void columnsFitTheirTextsAndTheGridOpensAtItsFirstColumn() {
        const std::string longest = "sm or bi or ve sm or ve bi or ex sm or ex bi or ml sm or ml bi";
        openRules({{"ex sm or ve bi", "ze", "bi"}, {longest, "ze", "sm"}});
        const QFontMetrics metrics = view->fontMetrics();
        QVERIFY(view->columnWidth(1) >= metrics.horizontalAdvance(QStringLiteral("ex sm or ve bi")));
        QVERIFY(view->columnWidth(1) < metrics.horizontalAdvance(QString::fromStdString(longest)));
        QVERIFY(view->toolTip(view->model()->index(1, 1)).startsWith(QString::fromStdString(longest)));
        QCOMPARE(view->toolTip(view->model()->index(0, 2)), QStringLiteral("zero"));  // whole: only the hint

        qobject_cast<QMdiSubWindow*>(editor->parentWidget())->resize(450, 400);
        QApplication::processEvents();
        clickCell(1, 3);
        view->scrollTo(view->model()->index(1, view->model()->columnCount() - 1));
        QVERIFY(view->horizontalScrollBar()->value() > 0);
        editor->tabs()->setCurrentIndex(0);
        editor->tabs()->setCurrentWidget(rules);
        QApplication::processEvents();
        QCOMPARE(view->horizontalScrollBar()->value(), 0);
    }

    void clipboardFollowsTheFocus() {
        openRules({{"sm", "ze", "bi"}, {"me", "ze", "sm"}});
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, QPoint(cellRect(0, 0).right() - 2, cellRect(0, 0).center().y()));
        window->actions().copy->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("sm;ze;bi;\n"));

        clickCell(1, 1);
        QVERIFY(!editor->isModified());
        window->actions().paste->trigger();
        QCOMPARE(rules->grid().rowCount(), 3);
        QCOMPARE(cell(2, 3), QStringLiteral("bi"));
        QVERIFY(editor->isModified());

        // While a cell is edited, Copy takes its text (by the menu or the key); Paste then replaces a cell's.
        clickCell(1, 2);
        type(QStringLiteral("-me"));
        QTest::keySequence(QApplication::focusWidget(), QKeySequence::Copy);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("-me"));
        clickCell(0, 2);
        view->editCurrent();
        window->actions().paste->trigger();
        QCOMPARE(view->editedText(), QStringLiteral("-me"));

        // Any other control keeps its own clipboard.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        editor->tabs()->setCurrentIndex(0);
        QPlainTextEdit* description = editor->generalTab()->descriptionEdit();
        description->setPlainText(QStringLiteral("about speed"));
        description->setFocus();
        description->selectAll();
        window->actions().copy->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), description->toPlainText());
    }

    // Alt+E takes the keyboard to the menu bar: the grid's commands stay available, act on the grid and give
    // it the keyboard back, also when a cell was being edited.
    void menusWorkedByKeysActOnTheGrid() {
        openRules({{"sm", "ze", "bi"}, {"me", "ze", "sm"}});
        clickCell(1, 1);
        type(QStringLiteral("bi"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_E, Qt::AltModifier);
        QVERIFY(window->actions().duplicate->isEnabled());
        QVERIFY(window->actions().copy->isEnabled());
        QVERIFY(QApplication::activePopupWidget());
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_D);
        QCOMPARE(rules->grid().rowCount(), 3);
        QCOMPARE(cell(2, 1), QStringLiteral("bi"));
        QCOMPARE(QApplication::focusWidget(), view);
    }

    void wordsGoIntoTheCurrentCellAndTheRightButtonMovesOn() {
        openRules({{"ve sm", "ze", "bi"}});
        WordToolBar* basic = window->wordToolBar(MainWindow::WordBar::basic);
        basic->show();
        clickCell(0, 1);
        QTest::mouseClick(static_cast<QWidget*>(basic->button(2)), Qt::LeftButton);  // big
        QCOMPARE(view->editedText(), QStringLiteral("ve bi"));
        QVERIFY(view->isEditing());
        // Through the window, as the platform delivers it: the press also asks for a context menu.
        const QWidget* small = basic->button(0);
        QTest::mouseClick(window->windowHandle(), Qt::RightButton, {}, small->mapTo(window.get(), small->rect().center()));
        QVERIFY(!QApplication::activePopupWidget());
        QCOMPARE(rules->grid().text(0, 1), std::string("ve sm"));
        QCOMPARE(view->currentIndex(), view->model()->index(0, 2));
    }

    void headerClicksSortAndTheAnalysisCommandsActOnTheRulesTab() {
        openRules({{"me", "ze", "bi"}, {"ve sm", "ze", "bi"}, {"sm", "ze", "bi"}, {"sm", "ze", "bi"}});
        QHeaderView* header = view->horizontalHeader();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(header->sectionViewportPosition(1) + 5, 5));
        QCOMPARE(cell(0, 1), QStringLiteral("ve sm"));
        QCOMPARE(cell(3, 1), QStringLiteral("me"));
        QVERIFY(view->selectionModel()->selectedIndexes().size() <= 1);  // no column selection
        QVERIFY(editor->isModified());

        editor->tabs()->setCurrentIndex(0);
        QVERIFY(!window->actions().deleteDuplicit->isEnabled());
        editor->tabs()->setCurrentWidget(rules);
        QVERIFY(window->actions().deleteDuplicit->isEnabled());
        window->actions().deleteDuplicit->trigger();
        QCOMPARE(ruleTexts(editor->unit()), (Texts{{"ve sm", "ze", "bi"}, {"sm", "ze", "bi"}, {"me", "ze", "bi"}}));
        window->actions().deleteRedundant->trigger();
        QCOMPARE(ruleTexts(editor->unit()), (Texts{{"sm", "ze", "bi"}, {"me", "ze", "bi"}}));
        QCOMPARE(rules->grid().rowCount(), 2);
    }

    void userTermsFollowTheSelectedColumn() {
        auto unit = test::VariableTestUnits::Linguistic({{"slow", "ze", "bi"}});
        test::VariableTestUnits::AddTriangle(*unit, 0, "slow", 0.0, 0.0, 4.0);
        const QString path = bench->path("terms.rb");
        unit->SaveToFile(path.toStdString());
        editor = window->openPath(path);
        editor->tabs()->setCurrentWidget(editor->rulesTab());
        view = editor->rulesTab()->view();
        WordToolBar* terms = window->wordToolBar(MainWindow::WordBar::user);
        clickCell(0, 1);
        QCOMPARE(terms->words(), QStringList{"slow"});
        clickCell(0, 2);
        QVERIFY(terms->words().isEmpty());
    }

    // One Undo takes back the edit of one cell, also when the text was valid on the way ("about 3" before
    // "about 3.5").
    void undoTwiceRestoresAndRedoBringsBackAndSavingKeepsTheGrid() {
        openRules({{"sm", "ze", "bi"}});
        clickCell(0, 1);
        type(QStringLiteral("about 3.5"));
        clickCell(0, 3);
        type(QStringLiteral("sm or bi"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_U, Qt::ControlModifier);  // Undo, also while editing
        QCOMPARE(cell(0, 3), QStringLiteral("bi"));
        window->actions().undo->trigger();
        QCOMPARE(cell(0, 1), QStringLiteral("sm"));
        QVERIFY(!window->actions().undo->isEnabled());
        window->actions().redo->trigger();
        window->actions().redo->trigger();
        const Texts edited{{"about 3.5", "ze", "sm or bi"}};
        QCOMPARE(rules->grid().row(0).texts, edited[0]);

        QCOMPARE(editor->save(), SaveOutcome::saved);
        QCOMPARE(ruleTexts(*CRuleBase::Load(editor->fileName().toStdString())), edited);
    }

    void commentsSurviveOpeningAndSaving() {
        const QString path = bench->path("commented.rb");
        {
            auto unit = test::VariableTestUnits::Linguistic({{"sm", "ze", "bi"}, {"me", "ze", "sm"}});
            auto rows = unit->Rules();
            rows[1].comment = "; medium speed";
            unit->SetRules(rows);
            unit->SaveToFile(path.toStdString());
        }
        editor = window->openPath(path);
        editor->tabs()->setCurrentWidget(editor->rulesTab());
        QCOMPARE(editor->rulesTab()->view()->model()->index(1, 0).data(Qt::ToolTipRole).toString(),
                 QStringLiteral("; medium speed"));
        editor->markModified();
        QCOMPARE(editor->save(), SaveOutcome::saved);
        QCOMPARE(CRuleBase::Load(path.toStdString())->Comment(1), std::string("; medium speed"));
    }

    void aVariableEditThatRewritesRulesRestartsTheUndoHistory() {
        openRules({{"sm", "ze", "bi"}});
        clickCell(0, 1);
        type(QStringLiteral("me"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(window->actions().undo->isEnabled());
        editor->tabs()->setCurrentWidget(editor->inputTab());
        bench->variables.newName = "velocity";
        editor->inputTab()->editButton()->click();  // renames only: the rules stay
        QVERIFY(editor->rules().canUndo());

        bench->variables.alsoRewrite = RuleList{RuleRow{true, {"about 3", "ze", "bi"}}};
        editor->inputTab()->editButton()->click();
        QVERIFY(!editor->rules().canUndo());
        QVERIFY(!window->actions().undo->isEnabled());
    }

    // File > Export writes the rules as the grid shows them, before anything else commits them.
    void exportWritesTheRulesTheGridShows() {
        auto unit = test::VariableTestUnits::Linguistic({{"sm", "ze", "bi"}});
        unit->SetInferenceMethod(*FindInferenceMethod("Fuzzy_Approximation-functional"));
        unit->SetDefuzzificationMethod(*FindDefuzzificationMethod("SimpleCenterOfGravity"));
        const QString path = bench->path("export.rb");
        unit->SaveToFile(path.toStdString());
        editor = window->openPath(path);
        QVERIFY(editor);
        editor->tabs()->setCurrentWidget(editor->rulesTab());
        view = editor->rulesTab()->view();
        view->setFocus();
        clickCell(0, 3);
        type(QStringLiteral("ex sm"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        const QString target = bench->path("export.fll");
        bench->files.exportAnswers.push_back({target, InterchangeFormat::Fll});
        window->actions().exportFile->trigger();
        std::ifstream written(target.toStdString());
        const std::string text((std::istreambuf_iterator<char>(written)), std::istreambuf_iterator<char>());
        QVERIFY2(text.find("then power is ex_sm") != std::string::npos, text.c_str());
    }

private:
    test::RecordingPrompter& prompter() { return bench->prompter; }
};

}  // namespace zorv

QTEST_MAIN(zorv::RulesTabTest)
#include "RulesTabTest.moc"
