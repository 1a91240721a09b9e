// The engine comes before Qt, whose "slots" macro would otherwise rewrite its members.
#include "tests/support/TestUnits.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "app/qt/variables/VariableDialog.h"
#include "tests/support/RecordingPrompter.h"

namespace zorv {

using test::RecordingPrompter;
using test::VariableTestUnits;

class VariableDialogTest : public QObject {
    Q_OBJECT

private:
    static void type(VariableDialog& dialog, const VariableFields& fields) { dialog.setFields(fields); }

private slots:
    void editModeShowsTheVariable();
    void linearVariableHidesGridAndExpressions();
    void okChecksKeepTheDialogOpen_data();
    void okChecksKeepTheDialogOpen();
    void notANumberIsAWarning();
    void validFieldsAreApplied();
    void recomputeYesRescalesTheRuleNumbers();
    void recomputeCancelKeepsTheDialogOpen();
    void recomputeNoCutsNumbersOutsideTheContext();
    void editExpressionsAppliesBoundsAndCancelRestoresThem();
    void termsEditedBeforeCancelStillCountAsAChange();
    void addModeCopiesFromTheChosenVariable();
    void addModeAppendsTheVariable();
    void fieldExitsReportBadValues();
    void tabbingOutOfABadFieldReturnsTheFocus();
    void checkVariablePassesSilently();
};

void VariableDialogTest::editModeShowsTheVariable() {
    auto unit = VariableTestUnits::Linguistic({{"sm", "ze", "bi"}});
    RecordingPrompter prompter;
    VariableDialog dialog(nullptr, &prompter);
    dialog.prepareEdit(*unit, 1);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Edit variable"));
    QCOMPARE(dialog.nameEdit()->text(), QStringLiteral("load"));
    QCOMPARE(dialog.lowEdit()->text(), QStringLiteral("-5"));
    QCOMPARE(dialog.highEdit()->text(), QStringLiteral("5"));
    QCOMPARE(dialog.discretizationEdit()->text(), QStringLiteral("301"));
    QVERIFY(!dialog.copyList()->isVisibleTo(&dialog));
    QVERIFY(dialog.discretizationEdit()->isVisibleTo(&dialog));
    QVERIFY(dialog.editExpressionsButton()->isEnabled());
}

void VariableDialogTest::linearVariableHidesGridAndExpressions() {
    auto unit = VariableTestUnits::Singleton({{"sm", "2"}});
    RecordingPrompter prompter;
    VariableDialog dialog(nullptr, &prompter);
    dialog.prepareEdit(*unit, ~0);
    QVERIFY(!dialog.discretizationEdit()->isVisibleTo(&dialog));
    QVERIFY(!dialog.editExpressionsButton()->isVisibleTo(&dialog));
    type(dialog, {"y", "0", "10", "not a number"});
    dialog.accept();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(prompter.shown.empty());
}

void VariableDialogTest::okChecksKeepTheDialogOpen_data() {
    QTest::addColumn<int>("variable");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QString>("message");
    QTest::newRow("duplicate") << 0 << QStringList{"load", "0", "10", "301"}
                               << "Variable name is already used!";
    QTest::newRow("comma") << 0 << QStringList{"a,b", "0", "10", "301"}
                           << "Name of variable cannot be stored in a rulebase file: it holds a comma.";
    QTest::newRow("control") << ~0 << QStringList{"a\nb", "0", "10", "301"}
                             << "Name of variable cannot be stored in a rulebase file: it holds a control character.";
    QTest::newRow("empty") << 0 << QStringList{"", "0", "10", "301"}
                           << "Name of variable cannot be stored in a rulebase file: it is empty.";
    QTest::newRow("reversed") << 0 << QStringList{"speed", "10", "10", "301"}
                              << "Low bound is greater or equal to high bound!";
    QTest::newRow("negative") << 1 << QStringList{"load", "0", "10", "301"}
                              << "Rulebase contains negative expressions for not symetrical bounds!";
    QTest::newRow("range") << 0 << QStringList{"speed", "0", "10", "1001"} << "Discretization is out of range";
    QTest::newRow("symmetric") << 1 << QStringList{"load", "-5.3", "5.7", "300"}
                               << "Discretization for symetrical variable must be odd value!";
}

void VariableDialogTest::okChecksKeepTheDialogOpen() {
    QFETCH(int, variable);
    QFETCH(QStringList, fields);
    QFETCH(QString, message);
    auto unit = VariableTestUnits::Linguistic({{"sm", "-sm", "bi"}});
    RecordingPrompter prompter;
    VariableDialog dialog(nullptr, &prompter);
    dialog.prepareEdit(*unit, variable);
    type(dialog, {fields[0].toStdString(), fields[1].toStdString(), fields[2].toStdString(), fields[3].toStdString()});
    dialog.accept();
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(QString::fromStdString(prompter.lastText()), message);
    QVERIFY(!dialog.unitChanged());
    QCOMPARE(unit->Discretization(variable), 301);
}

void VariableDialogTest::notANumberIsAWarning() {
    auto unit = VariableTestUnits::Linguistic({{"sm", "ze", "bi"}});
    RecordingPrompter prompter;
    VariableDialog dialog(nullptr, &prompter);
    dialog.prepareEdit(*unit, 0);
    dialog.highEdit()->setText(QStringLiteral("ten"));
    dialog.accept();
    QCOMPARE(prompter.shown.size(), std::size_t{1});
    QCOMPARE(prompter.shown[0], PromptMessage::warning("Something is wrong!"));
}

void VariableDialogTest::validFieldsAreApplied() {
    auto unit = VariableTestUnits::Linguistic({{"sm", "-sm", "bi"}});
    RecordingPrompter prompter;
    VariableDialog dialog(nullptr, &prompter);
    dialog.prepareEdit(*unit, 1);
    type(dialog, {"torque", "-5.3", "5.7", "301"});
    dialog.accept();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(dialog.unitChanged());
    QCOMPARE(unit->VariableName(1), std::string("torque"));
    QCOMPARE(unit->ContextLow(1), -5.3);
    QVERIFY(prompter.askedTexts().empty());
}

void VariableDialogTest::recomputeYesRescalesTheRuleNumbers() {
    auto unit = VariableTestUnits::Linguistic({{"about 3", "ze", "bi"}});
    RecordingPrompter prompter;
    prompter.answers = {PromptAnswer::yes};
    VariableDialog dialog(nullptr, &prompter);
    dialog.prepareEdit(*unit, 0);
    dialog.highEdit()->setText(QStringLiteral("100"));
    dialog.accept();
    QCOMPARE(prompter.askedTexts(), std::vector<std::string>{"Do you want to recompute values?"});
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(unit->Text(0, 0), std::string("about 30"));
    QCOMPARE(unit->ContextHigh(0), 100.0);
}

void VariableDialogTest::recomputeCancelKeepsTheDialogOpen() {
    auto unit = VariableTestUnits::Linguistic({{"about 3", "ze", "bi"}});
    RecordingPrompter prompter;
    prompter.answers = {PromptAnswer::cancel};
    VariableDialog dialog(nullptr, &prompter);
    dialog.prepareEdit(*unit, 0);
    dialog.highEdit()->setText(QStringLiteral("100"));
    dialog.accept();
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QVERIFY(!dialog.unitChanged());
    QCOMPARE(unit->Text(0, 0), std::string("about 3"));
    QCOMPARE(unit->ContextHigh(0), 10.0);
}

void VariableDialogTest::recomputeNoCutsNumbersOutsideTheContext() {
    auto unit = VariableTestUnits::Linguistic({{"about 3", "ze", "bi"}, {"about 8", "ze", "bi"}});
    RecordingPrompter prompter;
    prompter.answers = {PromptAnswer::no};
    VariableDialog dialog(nullptr, &prompter);
    dialog.prepareEdit(*unit, 0);
    dialog.highEdit()->setText(QStringLiteral("5"));
    dialog.accept();
    QCOMPARE(prompter.askedTexts(),
             std::vector<std::string>{"Do you want to recompute values?Otherwise they will be cut"});
    QCOMPARE(unit->Text(0, 0), std::string("about 3"));
    QCOMPARE(unit->Text(0, 1), std::string("about 5"));
}

void VariableDialogTest::editExpressionsAppliesBoundsAndCancelRestoresThem() {
    auto unit = VariableTestUnits::Linguistic({{"sm", "ze", "bi"}});
    RecordingPrompter prompter;
    VariableDialog dialog(nullptr, &prompter);
    double seenHigh = 0.0;
    dialog.setTermsEditor([&](QWidget*, CRuleBase& edited, int index) {
        seenHigh = edited.ContextHigh(index);
        return false;
    });
    dialog.prepareEdit(*unit, 0);
    dialog.highEdit()->setText(QStringLiteral("20"));
    dialog.editExpressions();
    QCOMPARE(seenHigh, 20.0);
    dialog.reject();
    QCOMPARE(unit->ContextHigh(0), 10.0);
    QVERIFY(!dialog.unitChanged());
}

void VariableDialogTest::termsEditedBeforeCancelStillCountAsAChange() {
    auto unit = VariableTestUnits::Linguistic({{"sm", "ze", "bi"}});
    RecordingPrompter prompter;
    VariableDialog dialog(nullptr, &prompter);
    dialog.setTermsEditor([](QWidget*, CRuleBase& edited, int index) {
        VariableTestUnits::AddTriangle(edited, index, "slow", 0.0, 0.0, 4.0);
        return true;
    });
    dialog.prepareEdit(*unit, 0);
    dialog.editExpressions();
    dialog.reject();
    QVERIFY(dialog.unitChanged());
    QCOMPARE(VariableTestUnits::Vocabulary(*unit, 0).userTermCount(), 1);
}

void VariableDialogTest::addModeCopiesFromTheChosenVariable() {
    auto unit = VariableTestUnits::Linguistic({{"sm", "ze", "bi"}});
    RecordingPrompter prompter;
    VariableDialog dialog(nullptr, &prompter);
    dialog.prepareAdd(*unit, true, 1);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Add variable"));
    QVERIFY(dialog.copyList()->isVisibleTo(&dialog));
    QCOMPARE(dialog.copyList()->count(), 2);
    QCOMPARE(dialog.copyList()->currentText(), QStringLiteral("load"));
    QCOMPARE(dialog.nameEdit()->text(), QStringLiteral("Copy_load"));
    QVERIFY(!dialog.editExpressionsButton()->isEnabled());
    dialog.copyList()->setCurrentIndex(0);
    emit dialog.copyList()->activated(0);
    QCOMPARE(dialog.nameEdit()->text(), QStringLiteral("Copy_speed"));
    QCOMPARE(dialog.highEdit()->text(), QStringLiteral("10"));
}

void VariableDialogTest::addModeAppendsTheVariable() {
    auto unit = VariableTestUnits::Linguistic({{"sm", "-sm", "bi"}});
    RecordingPrompter prompter;
    VariableDialog dialog(nullptr, &prompter);
    dialog.prepareAdd(*unit, true, 1);
    dialog.accept();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(unit->AntecedentCount(), 3);
    QCOMPARE(unit->VariableName(2), std::string("Copy_load"));
    QCOMPARE(unit->Text(2, 0), std::string("-sm"));
}

void VariableDialogTest::fieldExitsReportBadValues() {
    auto unit = VariableTestUnits::Linguistic({{"sm", "ze", "bi"}});
    RecordingPrompter prompter;
    VariableDialog dialog(nullptr, &prompter);
    dialog.prepareEdit(*unit, 0);
    dialog.discretizationEdit()->setText(QStringLiteral("5000"));
    QVERIFY(!dialog.leaveDiscretization());
    QCOMPARE(prompter.lastText(), std::string("Discretization is out of range"));
    dialog.lowEdit()->setText(QStringLiteral("x"));
    QVERIFY(!dialog.leaveBound(dialog.lowEdit()));
    QCOMPARE(prompter.lastText(), std::string("'x' is not a valid floating point value"));
    dialog.lowEdit()->setText(QStringLiteral("1e-3"));
    QVERIFY(dialog.leaveBound(dialog.lowEdit()));
}

void VariableDialogTest::tabbingOutOfABadFieldReturnsTheFocus() {
    auto unit = VariableTestUnits::Linguistic({{"sm", "ze", "bi"}});
    RecordingPrompter prompter;
    VariableDialog dialog(nullptr, &prompter);
    dialog.prepareEdit(*unit, 0);
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    dialog.discretizationEdit()->setFocus();
    dialog.discretizationEdit()->setText(QStringLiteral("5"));
    QTest::keyClick(dialog.discretizationEdit(), Qt::Key_Tab);
    QTRY_COMPARE(prompter.lastText(), std::string("Discretization is out of range"));
    QTRY_VERIFY(dialog.discretizationEdit()->hasFocus());
    dialog.reject();
}

void VariableDialogTest::checkVariablePassesSilently() {
    auto unit = VariableTestUnits::Linguistic({{"sm", "ze", "bi"}});
    QVERIFY(!VariableDialog::checkVariable(nullptr, *unit, 0));
    QVERIFY(!VariableDialog::checkVariable(nullptr, *unit, ~0));
}

}  // namespace zorv

QTEST_MAIN(zorv::VariableDialogTest)
#include "VariableDialogTest.moc"
