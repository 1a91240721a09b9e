// The engine comes before Qt, whose "slots" macro would otherwise rewrite its members.
#include "tests/support/TestUnits.h"

#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

#include "app/core/terms/TermChartGeometry.h"
#include "app/core/terms/TermClipboard.h"
#include "app/qt/terms/TermChart.h"
#include "app/qt/terms/UserTermsDialog.h"
#include "app/qt/terms/UserTermsGrid.h"
#include "tests/support/RecordingPrompter.h"

namespace zorv {

using test::RecordingPrompter;
using test::VariableTestUnits;
using S = UserTermShape;

namespace {

constexpr int kName = UserTermTable::kNameColumn;

int Column(S::Slot slot) { return UserTermTable::ColumnOf(slot); }

// speed <0, 10> with "slow" (used by a rule) and "fast" (unused); load <-5, 5> without user terms.
std::unique_ptr<CRuleBase> UnitWithTerms() {
    auto unit = VariableTestUnits::Linguistic({{"slow", "ze", "bi"}, {"sm", "ze", "me"}});
    VariableTestUnits::AddTriangle(*unit, 0, "slow", 0.0, 0.0, 4.0);
    VariableTestUnits::AddTriangle(*unit, 0, "fast", 6.0, 10.0, 10.0);
    unit->Compile();
    return unit;
}

QString Cell(const QTableWidget* grid, int row, int column) {
    const QTableWidgetItem* item = grid->item(row, column);
    return item == nullptr ? QString() : item->text();
}

// Types into a cell as the grid's editor would commit it.
void Type(QTableWidget* grid, int row, int column, const QString& text) {
    grid->setCurrentCell(row, column);
    grid->item(row, column)->setText(text);
}

// Shows the dialog; whether it came on the screen.
bool Shown(UserTermsDialog& dialog) {
    dialog.show();
    return QTest::qWaitForWindowExposed(&dialog);
}

// Opens the grid's editor on a cell, as a double click does.
QLineEdit* OpenEditor(QTableWidget* grid, int row, int column) {
    grid->setCurrentCell(row, column);
    grid->editItem(grid->item(row, column));
    return qobject_cast<QLineEdit*>(grid->indexWidget(grid->currentIndex()));
}

std::vector<std::string> UserTermNames(CRuleBase& unit, int signedIndex) {
    const CBasicSettings& vocabulary = VariableTestUnits::Vocabulary(unit, signedIndex);
    std::vector<std::string> names;
    for (std::size_t i = static_cast<std::size_t>(vocabulary.standardTermCount()); i < vocabulary.terms().size(); ++i) {
        names.push_back(vocabulary.terms()[i].shortName);
    }
    return names;
}

}  // namespace

class UserTermsDialogTest : public QObject {
    Q_OBJECT

private slots:
    void opensWithTheTermsAndTheirUsage();
    void emptyGridShowsAPlaceholder();
    void leavingAWrongCellIsRefused_data();
    void leavingAWrongCellIsRefused();
    void okChecksEveryRowAndCommits();
    void okRenamesTermsInTheRules();
    void okCommitsAnOpenCellEditor();
    void cancelChangesNothing();
    void addButtonsAppendRows();
    void uniformAddsAPartition();
    void uniformRefusesEvenCountsOnSymmetricContexts();
    void changeTypeRewritesTheRow();
    void deleteRefusesUsedTerms();
    void pasteNamesCopiesUniquely();
    void tabMovesOverEditableCells();
    void tabOutOfARefusedCellKeepsItsEditor();
    void chartDragMovesTheNearestParameter();
    void standardPageListsTheVocabulary();
};

void UserTermsDialogTest::opensWithTheTermsAndTheirUsage() {
    auto unit = UnitWithTerms();
    RecordingPrompter prompter;
    TermClipboard clipboard;
    UserTermsDialog dialog(*unit, 0, clipboard, prompter);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("User expressions"));
    QCOMPARE(dialog.pages()->tabText(0), QStringLiteral("User"));
    QCOMPARE(dialog.pages()->tabText(1), QStringLiteral("Standard"));
    const QTableWidget* grid = dialog.grid();
    QCOMPARE(grid->rowCount(), 2);
    QCOMPARE(grid->horizontalHeaderItem(Column(S::leftEquilib))->text(), QStringLiteral("LeftEquilib"));
    QCOMPARE(Cell(grid, 0, UserTermTable::kLabelColumn), QStringLiteral("1."));
    QCOMPARE(Cell(grid, 0, kName), QStringLiteral("slow"));
    QCOMPARE(Cell(grid, 0, UserTermTable::kTypeColumn), QStringLiteral("triang"));
    QCOMPARE(Cell(grid, 1, Column(S::leftSupp)), QStringLiteral("6"));
    QCOMPARE(Cell(grid, 0, UserTermTable::kUsageColumn), QStringLiteral("U"));
    QCOMPARE(Cell(grid, 1, UserTermTable::kUsageColumn), QStringLiteral("N"));
    QVERIFY(grid->item(0, Column(S::leftKernel))->flags() & Qt::ItemIsEditable);
    QVERIFY(!(grid->item(0, Column(S::leftEquilib))->flags() & Qt::ItemIsEditable));
    QVERIFY(!(grid->item(0, UserTermTable::kUsageColumn)->flags() & Qt::ItemIsSelectable));
    QVERIFY(dialog.addGaussianButton()->isHidden());
}

void UserTermsDialogTest::emptyGridShowsAPlaceholder() {
    auto unit = UnitWithTerms();
    RecordingPrompter prompter;
    TermClipboard clipboard;
    UserTermsDialog dialog(*unit, 1, clipboard, prompter);
    QCOMPARE(dialog.grid()->rowCount(), 1);
    QCOMPARE(dialog.grid()->item(0, kName)->flags(), Qt::ItemFlags());
    dialog.deleteTerm();
    QVERIFY(prompter.shown.empty());
}

void UserTermsDialogTest::leavingAWrongCellIsRefused_data() {
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::newRow("duplicate") << kName << "fast" << "Expression already exists";
    QTest::newRow("expression") << kName << "ve sm" << "Expression already exists";
    QTest::newRow("comma") << kName << "slow,er"
                           << "Name of expression cannot be stored in a rulebase file: it holds a comma.";
    QTest::newRow("range") << Column(S::rightSupp) << "11" << "Value is out of variable range";
    QTest::newRow("order") << Column(S::leftKernel) << "5" << "Value is greater than next parameter";
    QTest::newRow("number") << Column(S::leftSupp) << "abc" << "'abc' is not a valid floating point value";
}

void UserTermsDialogTest::leavingAWrongCellIsRefused() {
    QFETCH(int, column);
    QFETCH(QString, text);
    QFETCH(QString, message);
    auto unit = UnitWithTerms();
    RecordingPrompter prompter;
    TermClipboard clipboard;
    UserTermsDialog dialog(*unit, 0, clipboard, prompter);
    Type(dialog.grid(), 0, column, text);
    dialog.grid()->setCurrentCell(1, kName);
    QCOMPARE(dialog.grid()->currentRow(), 0);
    QCOMPARE(dialog.grid()->currentColumn(), column);
    QCOMPARE(QString::fromStdString(prompter.lastText()), message);
    dialog.accept();
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(UserTermNames(*unit, 0), (std::vector<std::string>{"slow", "fast"}));
}

void UserTermsDialogTest::okChecksEveryRowAndCommits() {
    auto unit = UnitWithTerms();
    RecordingPrompter prompter;
    TermClipboard clipboard;
    UserTermsDialog dialog(*unit, 0, clipboard, prompter);
    dialog.addTriangular();
    dialog.grid()->item(0, Column(S::leftKernel))->setText(QStringLiteral("9"));  // a row not left by the user
    dialog.grid()->setCurrentCell(2, kName);
    dialog.accept();
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(prompter.lastText(), std::string("Value is greater than next parameter"));
    QCOMPARE(dialog.grid()->currentRow(), 0);

    dialog.grid()->item(0, Column(S::leftKernel))->setText(QStringLiteral("1"));
    dialog.accept();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(UserTermNames(*unit, 0), (std::vector<std::string>{"slow", "fast", "expression3"}));
}

void UserTermsDialogTest::okRenamesTermsInTheRules() {
    auto unit = UnitWithTerms();
    RecordingPrompter prompter;
    TermClipboard clipboard;
    UserTermsDialog dialog(*unit, 0, clipboard, prompter);
    Type(dialog.grid(), 0, kName, QStringLiteral("crawl"));
    QCOMPARE(unit->Text(0, 0), std::string("slow"));  // nothing before OK
    dialog.accept();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(unit->Text(0, 0), std::string("crawl"));
    QVERIFY(!unit->Cell(0, 0).CompileError());
}

void UserTermsDialogTest::okCommitsAnOpenCellEditor() {
    auto unit = UnitWithTerms();
    RecordingPrompter prompter;
    TermClipboard clipboard;
    UserTermsDialog dialog(*unit, 0, clipboard, prompter);
    QVERIFY(Shown(dialog));
    QLineEdit* editor = OpenEditor(dialog.grid(), 1, Column(S::leftSupp));
    QVERIFY(editor != nullptr);
    editor->setText(QStringLiteral("7"));
    dialog.accept();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    const auto& fast = VariableTestUnits::Vocabulary(*unit, 0).terms().back();
    QCOMPARE(dynamic_cast<const CFuzzyParamSet&>(*fast.element).param(0), 7.0);
}

void UserTermsDialogTest::cancelChangesNothing() {
    auto unit = UnitWithTerms();
    RecordingPrompter prompter;
    TermClipboard clipboard;
    UserTermsDialog dialog(*unit, 0, clipboard, prompter);
    Type(dialog.grid(), 0, kName, QStringLiteral("crawl"));
    dialog.addQuadratic();
    dialog.reject();
    QCOMPARE(UserTermNames(*unit, 0), (std::vector<std::string>{"slow", "fast"}));
    QCOMPARE(unit->Text(0, 0), std::string("slow"));
}

void UserTermsDialogTest::addButtonsAppendRows() {
    auto unit = UnitWithTerms();
    RecordingPrompter prompter;
    TermClipboard clipboard;
    UserTermsDialog dialog(*unit, 1, clipboard, prompter);
    dialog.addQuadratic();
    QCOMPARE(dialog.grid()->rowCount(), 1);
    QCOMPARE(Cell(dialog.grid(), 0, kName), QStringLiteral("expression1"));
    QCOMPARE(Cell(dialog.grid(), 0, Column(S::leftEquilib)), QStringLiteral("-2.5"));
    dialog.addTrapezoid();
    QCOMPARE(Cell(dialog.grid(), 1, kName), QStringLiteral("expression2"));
    QCOMPARE(Cell(dialog.grid(), 1, Column(S::leftEquilib)), QString());
    QCOMPARE(Cell(dialog.grid(), 1, UserTermTable::kLabelColumn), QStringLiteral("2."));
    QCOMPARE(dialog.grid()->currentRow(), 1);
}

void UserTermsDialogTest::uniformAddsAPartition() {
    auto unit = std::make_unique<CRuleBase>(DescriptionType::linguistic);
    unit->AddAntecedent(CFuzzyVariable("u", std::make_shared<CLinguisticSettings>(0.0, 1.0), 301),
                        CRuleBase::kNoVariable);
    RecordingPrompter prompter;
    prompter.textAnswers = {std::string("3")};
    TermClipboard clipboard;
    UserTermsDialog dialog(*unit, 0, clipboard, prompter);
    dialog.addUniform();
    QCOMPARE(prompter.queries, std::vector<std::string>{
                                   "Properties of standard|Enter number of expressions (2 - 101):|7"});
    QCOMPARE(dialog.grid()->rowCount(), 3);
    QCOMPARE(Cell(dialog.grid(), 0, kName), QStringLiteral("p3_0"));
    QCOMPARE(Cell(dialog.grid(), 0, Column(S::leftKernel)), QStringLiteral("0"));
    QCOMPARE(Cell(dialog.grid(), 0, Column(S::rightSupp)), QStringLiteral("0.5"));
    QCOMPARE(Cell(dialog.grid(), 2, Column(S::leftSupp)), QStringLiteral("0.5"));
    QCOMPARE(Cell(dialog.grid(), 2, Column(S::rightSupp)), QStringLiteral("1"));

    dialog.addUniform();  // cancelled: nothing happens
    QCOMPARE(dialog.grid()->rowCount(), 3);
    QVERIFY(prompter.shown.empty());
}

void UserTermsDialogTest::uniformRefusesEvenCountsOnSymmetricContexts() {
    auto unit = UnitWithTerms();
    RecordingPrompter prompter;
    prompter.textAnswers = {std::string("4"), std::string("201")};
    TermClipboard clipboard;
    UserTermsDialog dialog(*unit, 1, clipboard, prompter);
    dialog.addUniform();
    QCOMPARE(prompter.shown.back(),
             PromptMessage::captioned("Number of expressions for symetrical variable must be odd value",
                                          "Wrong input"));
    dialog.addUniform();
    QCOMPARE(prompter.lastText(), std::string("Number of expressions out of range"));
    QCOMPARE(dialog.session().table().rowCount(), 0);
}

void UserTermsDialogTest::changeTypeRewritesTheRow() {
    auto unit = std::make_unique<CRuleBase>(DescriptionType::linguistic);
    unit->AddAntecedent(CFuzzyVariable("v", std::make_shared<CLinguisticSettings>(0.0, 8.0), 301),
                        CRuleBase::kNoVariable);
    VariableTestUnits::AddTriangle(*unit, 0, "t", 0.0, 4.0, 8.0);
    RecordingPrompter prompter;
    TermClipboard clipboard;
    UserTermsDialog dialog(*unit, 0, clipboard, prompter);
    dialog.grid()->setCurrentCell(0, kName);
    emit dialog.changeTypeMenu()->aboutToShow();
    const auto actions = dialog.changeTypeMenu()->actions();
    QCOMPARE(actions.size(), 4);
    QCOMPARE(actions[0]->text(), QStringLiteral("to &Quadratic"));
    QVERIFY(actions[1]->isEnabled());
    QVERIFY(!actions[2]->isEnabled());  // already triangular
    QVERIFY(!actions[3]->isVisible());
    actions[1]->trigger();
    QCOMPARE(Cell(dialog.grid(), 0, UserTermTable::kTypeColumn), QStringLiteral("trapezoid"));
    QCOMPARE(Cell(dialog.grid(), 0, Column(S::leftSupp)), QStringLiteral("0"));
    QCOMPARE(Cell(dialog.grid(), 0, Column(S::leftKernel)), QStringLiteral("3"));
    QCOMPARE(Cell(dialog.grid(), 0, Column(S::rightKernel)), QStringLiteral("5"));
    QCOMPARE(Cell(dialog.grid(), 0, Column(S::rightSupp)), QStringLiteral("8"));
    QVERIFY(dialog.grid()->item(0, Column(S::rightKernel))->flags() & Qt::ItemIsEditable);
}

void UserTermsDialogTest::deleteRefusesUsedTerms() {
    auto unit = UnitWithTerms();
    RecordingPrompter prompter;
    TermClipboard clipboard;
    UserTermsDialog dialog(*unit, 0, clipboard, prompter);
    dialog.grid()->setCurrentCell(0, kName);
    dialog.deleteTerm();
    QCOMPARE(prompter.shown.back(),
             PromptMessage::captioned("Cannot delete expression used in description.", "Error"));
    dialog.grid()->setCurrentCell(1, kName);
    dialog.deleteTerm();
    QCOMPARE(dialog.grid()->rowCount(), 1);
    QCOMPARE(Cell(dialog.grid(), 0, kName), QStringLiteral("slow"));
}

void UserTermsDialogTest::pasteNamesCopiesUniquely() {
    auto unit = UnitWithTerms();
    RecordingPrompter prompter;
    TermClipboard clipboard;
    UserTermsDialog dialog(*unit, 0, clipboard, prompter);
    Type(dialog.grid(), 1, kName, QStringLiteral("speed"));
    dialog.grid()->setCurrentCell(1, Column(S::leftSupp));
    QTest::keyClick(dialog.grid(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(clipboard.lines().size(), std::size_t{1});
    dialog.addTriangular();
    Type(dialog.grid(), 2, kName, QStringLiteral("speed_1"));
    dialog.grid()->setCurrentCell(0, kName);
    QTest::keyClick(dialog.grid(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(dialog.grid()->rowCount(), 4);
    QCOMPARE(Cell(dialog.grid(), 1, kName), QStringLiteral("speed_2"));
    QCOMPARE(Cell(dialog.grid(), 1, UserTermTable::kUsageColumn), QStringLiteral("N"));
    QCOMPARE(Cell(dialog.grid(), 3, UserTermTable::kLabelColumn), QStringLiteral("4."));

    // The clipboard outlives the editor: another variable's editor pastes the same term.
    UserTermsDialog other(*unit, ~0, clipboard, prompter);
    other.pasteTerms();
    QCOMPARE(Cell(other.grid(), 0, kName), QStringLiteral("speed"));
}

void UserTermsDialogTest::tabMovesOverEditableCells() {
    auto unit = UnitWithTerms();
    RecordingPrompter prompter;
    TermClipboard clipboard;
    UserTermsDialog dialog(*unit, 0, clipboard, prompter);
    QVERIFY(Shown(dialog));
    dialog.grid()->setFocus();
    dialog.grid()->setCurrentCell(0, kName);
    QTest::keyClick(dialog.grid(), Qt::Key_Tab);
    QCOMPARE(dialog.grid()->currentColumn(), Column(S::leftSupp));
    QTest::keyClick(dialog.grid(), Qt::Key_Tab);
    QCOMPARE(dialog.grid()->currentColumn(), Column(S::leftKernel));
    QTest::keyClick(dialog.grid(), Qt::Key_Tab);
    QCOMPARE(dialog.grid()->currentColumn(), Column(S::rightSupp));
    QTest::keyClick(dialog.grid(), Qt::Key_Tab);
    QCOMPARE(dialog.grid()->currentRow(), 1);
    QCOMPARE(dialog.grid()->currentColumn(), kName);
    QTest::keyClick(dialog.grid(), Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(dialog.grid()->currentRow(), 0);
    QCOMPARE(dialog.grid()->currentColumn(), Column(S::rightSupp));
    dialog.reject();
}

void UserTermsDialogTest::tabOutOfARefusedCellKeepsItsEditor() {
    auto unit = UnitWithTerms();
    RecordingPrompter prompter;
    TermClipboard clipboard;
    UserTermsDialog dialog(*unit, 0, clipboard, prompter);
    QVERIFY(Shown(dialog));
    QTableWidget* grid = dialog.grid();
    grid->setFocus();
    QLineEdit* editor = OpenEditor(grid, 0, Column(S::leftKernel));
    QVERIFY(editor);
    editor->selectAll();
    QTest::keyClicks(editor, QStringLiteral("5"));
    QTest::keyClick(editor, Qt::Key_Tab);
    QCOMPARE(prompter.lastText(), std::string("Value is greater than next parameter"));
    QCOMPARE(grid->currentColumn(), Column(S::leftKernel));
    QCOMPARE(grid->indexWidget(grid->currentIndex()), editor);
    QVERIFY(!grid->indexWidget(grid->model()->index(0, Column(S::rightSupp))));
    QTest::keyClicks(editor, QStringLiteral("\b1"));
    QCOMPARE(editor->text(), QStringLiteral("1"));
    dialog.reject();
}

void UserTermsDialogTest::chartDragMovesTheNearestParameter() {
    auto unit = UnitWithTerms();
    RecordingPrompter prompter;
    TermClipboard clipboard;
    UserTermsDialog dialog(*unit, 0, clipboard, prompter);
    dialog.grid()->setCurrentCell(1, kName);  // fast: 6, 10, 10
    TermChart* chart = dialog.chart();
    chart->resize(150, 160);  // x = 25 + 10 per unit; supports at y 130
    QCOMPARE(chart->currentRow(), 1);
    QTest::mousePress(chart, Qt::LeftButton, Qt::NoModifier, QPoint(86, 128));
    QTest::mouseRelease(chart, Qt::LeftButton, Qt::NoModifier, QPoint(75, 128));
    QCOMPARE(Cell(dialog.grid(), 1, Column(S::leftSupp)), QStringLiteral("5"));
    // The kernel dragged below the support: the check fails and the value stays.
    QTest::mousePress(chart, Qt::LeftButton, Qt::NoModifier, QPoint(120, 35));
    QTest::mouseRelease(chart, Qt::LeftButton, Qt::NoModifier, QPoint(60, 35));
    QCOMPARE(Cell(dialog.grid(), 1, Column(S::leftKernel)), QStringLiteral("10"));
    QCOMPARE(Cell(dialog.grid(), 1, Column(S::leftSupp)), QStringLiteral("5"));
}

void UserTermsDialogTest::standardPageListsTheVocabulary() {
    auto unit = UnitWithTerms();
    RecordingPrompter prompter;
    TermClipboard clipboard;
    UserTermsDialog dialog(*unit, 1, clipboard, prompter);  // load <-5, 5>, symmetric
    QTableWidget* grid = dialog.standardGrid();
    QCOMPARE(grid->rowCount(), 52);
    QCOMPARE(Cell(grid, 0, kName), QStringLiteral("+sm"));
    QCOMPARE(Cell(grid, 50, kName), QStringLiteral("ze"));
    QCOMPARE(Cell(grid, 50, Column(S::leftSupp)), QStringLiteral("-0.25"));
    QCOMPARE(Cell(grid, 51, Column(S::rightSupp)), QStringLiteral("0.5"));
    QVERIFY(!(grid->item(3, kName)->flags() & Qt::ItemIsEditable));
    grid->setCurrentCell(3, kName);
    QCOMPARE(dialog.standardChart()->currentRow(), 3);
}

}  // namespace zorv

QTEST_MAIN(zorv::UserTermsDialogTest)
#include "UserTermsDialogTest.moc"
