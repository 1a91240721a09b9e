#include <QAction>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <fstream>

#include "app/qt/data/EditorDataTab.h"
#include "app/qt/editor/InferenceUnitEditor.h"
#include "app/qt/rules/RulesTabController.h"
#include "app/qt/tuning/TuningDialog.h"
#include "rulebase/CRuleBase.h"
#include "tests/app/qt/WorkbenchTestWindow.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/TuningData.h"

namespace zorv {

class TuningDialogTest : public test::MainWindowFixture {
    Q_OBJECT

private:
    // The heater with input contexts moved, beside 300 rows the true heater made, imported into its data tab;
    // the tuning dialog opened on it.
    TuningDialog* drifted() {
        const std::string heater = test::fileText(ZORV_SOURCE_DIR "/examples/heater.rb");
        std::ofstream(bench->path("drifted.rb").toStdString()) << test::DisturbedHeater(heater);
        std::ofstream(bench->path("rows.txt").toStdString())
            << test::DataFileText(test::RowsFrom(*CRuleBase::LoadFromText(heater, "truth"), 300, 3));
        editor_ = window->openPath(bench->path("drifted.rb"));
        editor_->tabs()->setCurrentWidget(editor_->dataTab());
        EditorDataTab* tab = editor_->dataTab();
        bench->files.dataAnswers.push_back(bench->path("rows.txt"));
        tab->importFile();
        if (!QTest::qWaitFor([tab] { return !tab->running(); })) return nullptr;
        bench->prompter.shown.clear();
        tab->tuneItem()->trigger();
        return tab->tuningDialog();
    }

    InferenceUnitEditor* editor_ = nullptr;

private Q_SLOTS:
    // The contexts found back replace the rule base's, the rules stay, and one Undo takes the tuning back.
    void appliesTheTunedContextsAsOneUndoStep() {
        TuningDialog* dialog = drifted();
        QVERIFY(dialog);
        QVERIFY(dialog->isVisible());
        QVERIFY(editor_->busy());
        QVERIFY(!editor_->dataTab()->computeButton()->isEnabled());
        const RuleList rules = editor_->unit().Rules();

        dialog->budgetBox()->setValue(400);
        dialog->variableList()->item(2)->setCheckState(Qt::Unchecked);  // power stays
        dialog->startButton()->click();
        QVERIFY(!dialog->startButton()->isEnabled());
        QVERIFY(dialog->cancelButton()->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(!dialog->running(), 60000);
        QVERIFY(dialog->errorsLabel()->text().startsWith(QStringLiteral("Training RMSE: ")));
        QVERIFY(dialog->changesTable()->rowCount() >= 2);
        QCOMPARE(dialog->changesTable()->item(0, 0)->text(), QStringLiteral("indoor.low"));
        QCOMPARE(dialog->progressBar()->value(), 400);
        QVERIFY(bench->prompter.shown.empty());

        dialog->applyButton()->click();
        QTRY_VERIFY(!editor_->dataTab()->tuningDialog());
        CRuleBase& unit = editor_->unit();
        QVERIFY(unit.ContextLow(0) < 12);
        QCOMPARE(unit.ContextHigh(~0), 100.0);
        QCOMPARE(unit.Rules(), rules);
        QVERIFY(editor_->isModified());
        QVERIFY(!editor_->busy());
        QVERIFY(editor_->dataTab()->computeButton()->isEnabled());
        const double tuned = unit.ContextLow(0);

        QVERIFY(editor_->rules().canUndo());
        editor_->rules().undo();
        QCOMPARE(editor_->unit().ContextLow(0), 14.0);
        QCOMPARE(editor_->unit().Rules(), rules);
        QVERIFY(!editor_->rules().canUndo());
        QVERIFY(editor_->rules().canRedo());
        editor_->rules().redo();
        QCOMPARE(editor_->unit().ContextLow(0), tuned);
    }

    // Cancel keeps the best rule base so far to look at; closing during a run stops it and applies nothing.
    void cancelShowsTheBestSoFarAndClosingStopsTheRun() {
        TuningDialog* dialog = drifted();
        QVERIFY(dialog);
        dialog->budgetBox()->setValue(1'000'000);
        dialog->startButton()->click();
        QTRY_VERIFY(dialog->progressBar()->value() > 20);
        dialog->cancelButton()->click();
        QTRY_VERIFY(!dialog->running());
        QVERIFY(dialog->errorsLabel()->text().endsWith(QStringLiteral(": stopped.")));
        QVERIFY(dialog->startButton()->isEnabled());

        dialog->startButton()->click();
        QTRY_VERIFY(dialog->progressBar()->value() > 20);
        dialog->reject();
        QTRY_VERIFY(!editor_->dataTab()->tuningDialog());
        QCOMPARE(editor_->unit().ContextLow(0), 14.0);
        QVERIFY(!editor_->isModified());
        QVERIFY(!editor_->busy());
    }
};

}  // namespace zorv

QTEST_MAIN(zorv::TuningDialogTest)
#include "TuningDialogTest.moc"
