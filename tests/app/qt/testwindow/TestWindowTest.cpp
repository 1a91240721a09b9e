#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSplitter>
#include <QTableWidget>
#include <QTest>
#include <QThreadPool>

#include "tests/app/qt/WorkbenchTestWindow.h"
#include "app/core/evaluation/BatchRunner.h"
#include "app/core/evaluation/EvaluatorSources.h"
#include "app/core/testwindow/FiredRulesText.h"
#include "app/core/testwindow/ProjectionCurve.h"
#include "app/qt/evaluation/BackgroundEvaluation.h"
#include "app/qt/testwindow/BackgroundFilterBuild.h"
#include "app/qt/testwindow/BackgroundTestEvaluation.h"
#include "app/qt/editor/EditorGeneralTab.h"
#include "app/qt/rules/EditorRulesTab.h"
#include "app/qt/variables/EditorVariablesTab.h"
#include "app/qt/testwindow/FuzzySetInputBox.h"
#include "app/qt/testwindow/FuzzySetInputPanel.h"
#include "app/qt/testwindow/FuzzySetOutputBox.h"
#include "app/qt/testwindow/FuzzySetOutputPanel.h"
#include "app/qt/editor/InferenceUnitEditor.h"
#include "app/qt/testwindow/PanelFields.h"
#include "app/qt/testwindow/ProjectionPlot.h"
#include "app/qt/surface/SurfaceWindow.h"
#include "app/qt/testwindow/TestWindow.h"
#include "inference/compiled/Workspace.h"
#include "tests/support/RuleBaseTextBuilder.h"
#include "text/NumberText.h"

namespace zorv {

class TestWindowTest : public test::MainWindowFixture {
    Q_OBJECT

private:

    // Opens a copy of the example and its test window.
    TestWindow* test(const char* example, InferenceUnitEditor** editor = nullptr) {
        const QString path = bench->path(QString::fromLatin1(example));
        QFile::copy(QStringLiteral(ZORV_SOURCE_DIR "/examples/") + QString::fromLatin1(example), path);
        return testPath(path, editor);
    }

    TestWindow* testPath(const QString& path, InferenceUnitEditor** editor = nullptr) {
        InferenceUnitEditor* opened = window->openPath(path);
        if (editor) *editor = opened;
        if (!opened || !opened->testButton()->isEnabled()) return nullptr;
        QTest::mouseClick(opened->testButton(), Qt::LeftButton);
        return window->activeTestWindow();
    }

    static QList<QWidget*> lockedControls(InferenceUnitEditor* editor) {
        return {editor->testButton(),                  editor->inputTab()->addButton(),
                editor->inputTab()->deleteButton(),    editor->inputTab()->editButton(),
                editor->outputTab()->editButton(),     editor->rulesTab()->addButton(),
                editor->rulesTab()->deleteButton(),    editor->generalTab()->inference(),
                editor->generalTab()->defuzzification(), editor->generalTab()->filter()};
    }

    static void press(QWidget* widget, QPoint at) { QTest::mousePress(widget, Qt::LeftButton, {}, at); }

private Q_SLOTS:
    void opensFromTestAndLocksTheEditorUntilClosed() {
        InferenceUnitEditor* editor = nullptr;
        TestWindow* test = this->test("heater.rb", &editor);
        QVERIFY(test);
        QCOMPARE(test->windowTitle(), bench->path(QStringLiteral("heater.rb - Test")));
        QVERIFY(!window->actions().save->isEnabled());
        for (QWidget* control : lockedControls(editor)) QVERIFY(!control->isEnabled());
        QVERIFY(!editor->testButton()->toolTip().isEmpty());
        Q_EMIT editor->inputTab()->editRequested(0);  // a double click in the grid
        QVERIFY(bench->variables.edits.empty());

        // The rule base text is the writer's, and no scratch file was written.
        QFile file(bench->path(QStringLiteral("heater.rb")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(test->storedText()->toPlainText(), QString::fromUtf8(file.readAll()));
        QVERIFY(!QFileInfo::exists(bench->path(QStringLiteral("temp.rb"))));
        QVERIFY(test->surfaceButton()->isEnabled());

        // A method chosen here is the rule base's, and the editor follows; the smooth defuzzification turns
        // the filter off in both windows.
        test->filterBox()->setChecked(true);
        QVERIFY(editor->generalTab()->filter()->isChecked());
        test->defuzzificationList()->setCurrentIndex(6);
        Q_EMIT test->defuzzificationList()->activated(6);
        QVERIFY(!test->filterBox()->isChecked());
        QVERIFY(!test->filterBox()->isEnabled());
        QVERIFY(!editor->unit().UseFuzzyFilter());
        QCOMPARE(editor->generalTab()->defuzzification()->currentIndex(), 6);
        QVERIFY(!editor->generalTab()->filter()->isChecked());
        QVERIFY(editor->isModified());

        QTest::mouseClick(test->surfaceButton(), Qt::LeftButton);
        const QPointer<SurfaceWindow> surface = test->findChild<SurfaceWindow*>();
        QVERIFY(surface);
        QCOMPARE(surface->windowTitle(), QStringLiteral("Surface of ") + test->caption());

        // Closing goes back to the editor as it was; the surface goes along.
        QVERIFY(qobject_cast<QMdiSubWindow*>(test->parentWidget())->close());
        QTRY_VERIFY(editor->testButton()->isEnabled());
        QVERIFY(editor->testButton()->toolTip().isEmpty());
        QTRY_VERIFY(surface.isNull());
        for (QWidget* control : lockedControls(editor)) {
            if (control != editor->generalTab()->filter()) QVERIFY(control->isEnabled());
        }
        QVERIFY(!editor->generalTab()->filter()->isEnabled());
    }

    // Opened on a large screen, the window shows both inputs and the output whole, with sliders of a fair
    // width and the method names whole; tiled beside its editor on 1366 x 768 every part keeps room.
    void theWindowShowsItsPartsAtItsSizeAndTiled() {
        window->resize(1920, 1000);
        InferenceUnitEditor* editor = nullptr;
        TestWindow* test = this->test("heater.rb", &editor);
        QVERIFY(test);
        QTest::qWait(20);  // the layouts settle
        const auto whole = [](const QWidget* part) {
            return part->visibleRegion().boundingRect() == part->rect();
        };
        for (const QWidget* panel : {static_cast<QWidget*>(test->inputPanel(0)), static_cast<QWidget*>(test->inputPanel(1)),
                                     static_cast<QWidget*>(test->outputPanel())}) {
            QVERIFY(whole(panel));
        }
        QVERIFY(test->inputPanel(0)->findChild<FuzzySetInputBox*>()->width() >= 300);
        for (const QComboBox* list : {test->inferenceList(), test->defuzzificationList()}) {
            for (int i = 0; i < list->count(); ++i) {
                QCOMPARE(list->itemData(i, Qt::ToolTipRole).toString(), list->itemText(i));
            }
            QVERIFY(list->width() >= list->fontMetrics().horizontalAdvance(list->currentText()) + 20);
        }
        QVERIFY(test->findChildren<QSplitter*>().size() >= 3);

        window->resize(1366, 640);
        window->actions().tileVertically->trigger();
        QApplication::processEvents();
        QVERIFY(test->inputPanel(0)->findChild<FuzzySetInputBox*>()->width() >= 150);
        QVERIFY(test->plot()->width() >= 200 && test->plot()->height() >= 160);
        QVERIFY(whole(test->surfaceButton()));
        QCOMPARE(test->inferenceList()->toolTip(), test->inferenceList()->currentText());
        QVERIFY(whole(editor->testButton()));
    }

    void closingTheEditorClosesItsTestWindow() {
        InferenceUnitEditor* editor = nullptr;
        QPointer<TestWindow> test = this->test("fan.rb", &editor);
        QVERIFY(test);
        QVERIFY(test->defuzzificationList()->isHidden());
        QVERIFY(!test->outputPanel()->box()->set());
        QVERIFY(test->outputPanel()->box()->value());
        QVERIFY(qobject_cast<QMdiSubWindow*>(editor->parentWidget())->close());
        QTRY_VERIFY(test.isNull());

        QVERIFY(this->test("braking.rb"));
        QVERIFY(!window->activeTestWindow()->surfaceButton()->isEnabled());
    }

    void slidersTypedValuesAndPickingReEvaluate() {
        InferenceUnitEditor* editor = nullptr;
        TestWindow* test = this->test("heater.rb", &editor);
        QVERIFY(test);
        CRuleBase& unit = editor->unit();
        FuzzySetInputPanel* indoor = test->inputPanel(0);  // <10, 30>
        PanelFields* output = test->outputPanel()->fields();
        const auto shows = [&](std::vector<double> inputs) {
            Workspace ws;
            const double value = unit.Evaluate(inputs, ws);
            const std::string fired = FiredRulesText::Of(unit, ws.Fired(), ws.FiredCount());
            return output->value()->text() == QString::fromStdString(NumberText::twoDecimals(value)) &&
                   test->firedRules()->toPlainText() == QString::fromStdString(fired);
        };
        QVERIFY(shows({20, -5}));

        press(indoor->box(), QPoint(0, 10));
        QCOMPARE(indoor->fields()->value()->text(), QStringLiteral("10.00"));
        QVERIFY(!indoor->fields()->typical()->text().isEmpty());
        QVERIFY(shows({10, -5}));
        QTest::mouseRelease(indoor->box(), Qt::LeftButton, {}, QPoint(0, 10));

        indoor->fields()->value()->clear();
        QTest::keyClicks(indoor->fields()->value(), QStringLiteral("25,5"));
        QCOMPARE(indoor->box()->position(), 0.775);
        QVERIFY(shows({25.5, -5}));
        QTest::keyClicks(indoor->fields()->value(), QStringLiteral("x"));  // "25,5x": no number, nothing moves
        QCOMPARE(indoor->box()->position(), 0.775);

        // Picking the first point of the projection puts the plotted input at its low end and highlights it.
        QSignalSpy drawn(test, &TestWindow::projectionShown);
        press(test->plot(), QPoint(0, 10));
        QCOMPARE(test->plot()->highlight(), 0);
        QCOMPARE(indoor->fields()->value()->text(), QStringLiteral("10.00"));
        QVERIFY(shows({10, -5}));
        QCOMPARE(drawn.count(), 0);  // the curve does not depend on the plotted input's own value

        // Steps: a refused text keeps the steps and is reported; 0 counts as 1, a curve of two points.
        test->stepsField()->setText(QStringLiteral("many"));
        test->stepsField()->setModified(true);
        Q_EMIT test->stepsField()->editingFinished();
        QCOMPARE(bench->prompter.shown.back().text, std::string("'many' is not a valid integer value"));
        QCOMPARE(test->session().Steps(), 25);
        test->stepsField()->setText(QStringLiteral("0"));
        test->stepsField()->setModified(true);
        Q_EMIT test->stepsField()->editingFinished();
        QCOMPARE(test->stepsField()->text(), QStringLiteral("1"));
        QCOMPARE(test->plot()->xs(), (std::vector<double>{10, 30}));

        bench->files.imageAnswers.push_back(bench->path(QStringLiteral("projection.svg")));
        QTest::mouseClick(test->exportButton(), Qt::LeftButton);
        QFile picture(bench->path(QStringLiteral("projection.svg")));
        QVERIFY(picture.open(QIODevice::ReadOnly));
        QVERIFY(picture.readAll().contains("<svg"));
    }

    void theFilterIsBuiltInTheBackgroundAndCancelStopsIt() {
        InferenceUnitEditor* editor = nullptr;
        TestWindow* test = this->test("heater.rb", &editor);
        QVERIFY(test);
        CRuleBase& unit = editor->unit();
        test->filterBox()->setChecked(true);
        QVERIFY(test->filterBuild()->running());
        QVERIFY(test->plot()->stale());
        QTest::mouseClick(test->cancelButton(), Qt::LeftButton);
        QVERIFY(!test->filterBuild()->running());
        QCOMPARE(test->projectionStatus()->text(), QStringLiteral("Cancelled."));
        QVERIFY(!unit.FilterIsCurrent());

        // Moving a slider asks again; the filtered curve equals the foreground one.
        QSignalSpy drawn(test, &TestWindow::projectionShown);
        press(test->inputPanel(1)->box(), QPoint(0, 10));
        QVERIFY(test->filterBuild()->running());
        QVERIFY(drawn.wait(60000));
        QVERIFY(unit.FilterIsCurrent());
        const ProjectionCurve curve(unit, 0, 25, test->session().Inputs().Values());
        BatchRun run(curve.Points());
        BatchRunner::Run(run, *EvaluatorSources::For(unit, UnitResponse::Filtered));
        QCOMPARE(test->plot()->ys(), run.Batch().Outputs());
    }

    void aLongProjectionRunsInTheBackgroundAndCancelStopsIt() {
        test::RuleBaseTextBuilder b;
        b.defuzz("Smooth Deffuz Ling Expr");
        // Four inputs: 21^4 inferences' worth of neighbourhood per point of the curve.
        b.input({"a", 0, 10}).input({"b", -5, 5}).input({"c", 0, 1}).input({"d", 0, 1}).output({"y", 0, 3});
        b.rule({"sm", "sm", "sm", "me", "sm"}).rule({"bi", "bi", "bi", "me", "bi"}).rule({"me", "me", "sm", "bi", "me"});
        const QString path = bench->path(QStringLiteral("four.rb"));
        b.load()->SaveToFile(path.toStdString());

        InferenceUnitEditor* editor = nullptr;
        TestWindow* test = testPath(path, &editor);
        QVERIFY(test);
        CRuleBase& unit = editor->unit();
        QVERIFY(test->projectionRun()->running());
        // Painting hands short jobs to the global pool (a pool thread counts as active for a moment after
        // its job is done); the long projection keeps out of it.
        QTRY_COMPARE_WITH_TIMEOUT(QThreadPool::globalInstance()->activeThreadCount(), 0, 500);
        QVERIFY(test->projectionRun()->running());
        QVERIFY(test->cancelButton()->isVisibleTo(test));
        QVERIFY(test->plot()->stale());
        QTest::mouseClick(test->cancelButton(), Qt::LeftButton);
        QVERIFY(!test->projectionRun()->running());
        QCOMPARE(test->projectionStatus()->text(), QStringLiteral("Cancelled."));
        QVERIFY(test->plot()->xs().empty());

        // A newer request supersedes the one in progress: only the latest curve is drawn.
        QSignalSpy drawn(test, &TestWindow::projectionShown);
        press(test->inputPanel(1)->box(), QPoint(0, 10));
        press(test->inputPanel(1)->box(), QPoint(test->inputPanel(1)->box()->width(), 10));
        QVERIFY(drawn.wait(60000));
        QTest::qWait(50);
        QCOMPARE(drawn.count(), 1);
        QVERIFY(!test->plot()->stale());
        // The same numbers as in the foreground.
        const ProjectionCurve curve(unit, 0, 25, test->session().Inputs().Values());
        BatchRun run(curve.Points());
        BatchRunner::Run(run, *EvaluatorSources::For(unit, UnitResponse::Plain));
        QCOMPARE(test->plot()->ys(), run.Batch().Outputs());

        // At a finer resolution one evaluation is too long for the interface: its value follows from the
        // background, equal to the foreground one.
        test->projectionEnabled()->setChecked(false);
        QSignalSpy shown(test, &TestWindow::outcomeShown);
        test->stepsField()->setText(QStringLiteral("60"));
        test->stepsField()->setModified(true);
        Q_EMIT test->stepsField()->editingFinished();
        QVERIFY(test->outcomeRun()->busy());
        QVERIFY(shown.wait(60000));
        std::vector<double> inputs = test->session().Inputs().Values();
        QCOMPARE(test->outputPanel()->fields()->value()->text(),
                 QString::fromStdString(NumberText::twoDecimals(unit.Evaluate(inputs))));
    }
};

}  // namespace zorv

QTEST_MAIN(zorv::TestWindowTest)
#include "TestWindowTest.moc"
