#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <fstream>

#include "tests/app/qt/WorkbenchTestWindow.h"
#include "app/core/data/DataTableFTransform.h"
#include "app/core/data/DataTableLearning.h"
#include "app/qt/data/EditorDataTab.h"
#include "app/qt/editor/EditorProgress.h"
#include "app/qt/rules/EditorRulesTab.h"
#include "app/qt/files/FileDialogNames.h"
#include "app/qt/data/FTransformSettingsDialog.h"
#include "app/qt/editor/InferenceUnitEditor.h"
#include "app/qt/rules/RulesTabController.h"
#include "app/qt/testwindow/TestWindow.h"

namespace zorv {

class DataTabTest : public test::MainWindowFixture {
    Q_OBJECT

private:
    // heater.rb copied beside a data file of the given rows (heater.txt's when none), so that learning writes
    // into the test's folder; its editor shows the data tab with the file imported.
    EditorDataTab* heaterWithData(int rows = 0) {
        const QString example = QStringLiteral(ZORV_SOURCE_DIR "/examples/");
        QFile::copy(example + "heater.rb", bench->path("heater.rb"));
        if (rows == 0) {
            QFile::copy(example + "heater.txt", bench->path("heater.txt"));
        } else {
            std::ofstream out(bench->path("heater.txt").toStdString());
            for (int r = 0; r < rows; ++r) out << 10 + r % 21 << ' ' << -25 + r % 41 << ' ' << r % 101 << '\n';
        }
        InferenceUnitEditor* editor = window->openPath(bench->path("heater.rb"));
        editor->tabs()->setCurrentWidget(editor->dataTab());
        EditorDataTab* tab = editor->dataTab();
        bench->files.dataAnswers.push_back(bench->path("heater.txt"));
        tab->importFile();
        if (!QTest::qWaitFor([tab] { return !tab->running(); })) return nullptr;
        bench->prompter.shown.clear();
        return tab;
    }

    static InferenceUnitEditor& editorOf(EditorDataTab* tab) {
        return *qobject_cast<InferenceUnitEditor*>(tab->parentWidget()->parentWidget()->parentWidget());
    }

    static QString cell(EditorDataTab* tab, int dataRow, int gridColumn) {
        return QString::fromStdString(tab->table().Grid().Cell(DataGrid::kHeaderRows + dataRow, gridColumn));
    }

private Q_SLOTS:
    void learnItemsFollowTheRuleBaseTypeAndTheTestWindow() {
        EditorDataTab* tab = heaterWithData();
        QVERIFY(tab);
        QVERIFY(!tab->linguisticLearningItem()->isEnabled());
        QVERIFY(tab->pentatomyItem()->isEnabled());
        QVERIFY(tab->approxItem()->isEnabled());

        InferenceUnitEditor& editor = editorOf(tab);
        QTest::mouseClick(editor.testButton(), Qt::LeftButton);
        TestWindow* test = window->activeTestWindow();
        QVERIFY(test);
        QVERIFY(!tab->pentatomyItem()->isEnabled());
        QVERIFY(!tab->approxItem()->isEnabled());
        QVERIFY(!tab->tuneItem()->isEnabled());
        QVERIFY(tab->fTransformItem()->isEnabled());
        qobject_cast<QMdiSubWindow*>(test->parentWidget())->close();
        QTRY_VERIFY(tab->approxItem()->isEnabled());
        QVERIFY(tab->tuneItem()->isEnabled());

        bench->newRuleBase.type = DescriptionType::singleton;
        window->newRuleBase();
        EditorDataTab* singleton = window->activeEditor()->dataTab();
        QVERIFY(!singleton->pentatomyItem()->isEnabled());
        QVERIFY(singleton->approxItem()->isEnabled());
        QVERIFY(!singleton->linguisticLearningItem()->isEnabled());
    }

    // Cancel right after the start: Compute keeps a first part of the rows (all, when it was quicker than the
    // click), learning changes nothing; the window is usable again and says nothing.
    void cancelKeepsComputedRowsAndLearnsNothing() {
        EditorDataTab* tab = heaterWithData(200'000);
        QVERIFY(tab);
        InferenceUnitEditor& editor = editorOf(tab);
        QPushButton* cancel = editor.progress()->cancelButton();

        tab->compute();
        QVERIFY(cancel->isVisible());
        QVERIFY(!tab->computeButton()->isEnabled());
        cancel->click();
        QTRY_VERIFY(!tab->running());
        int computed = 0;
        while (computed < 200'000 && !cell(tab, computed, 4).isEmpty()) ++computed;
        for (int row = computed; row < 200'000; row += 997) QVERIFY(cell(tab, row, 4).isEmpty());
        QVERIFY(!cancel->isVisible());
        QVERIFY(tab->computeButton()->isEnabled());

        const RuleList rules = editor.unit().Rules();
        const bool modified = editor.isModified();
        tab->learn(LearningMode::pentatomy);
        QVERIFY(!editor.rulesTab()->isEnabled());
        cancel->click();
        QTRY_VERIFY(!tab->running());
        QCOMPARE(editor.unit().Rules(), rules);
        QCOMPARE(editor.isModified(), modified);
        QVERIFY(!QFile::exists(bench->path("heater.rules")));
        QVERIFY(editor.rulesTab()->isEnabled());
        QVERIFY(bench->prompter.shown.empty());
    }

    void learningReplacesTheRulesAndWritesTheRulesFile() {
        EditorDataTab* tab = heaterWithData();
        QVERIFY(tab);
        InferenceUnitEditor& editor = editorOf(tab);
        const RuleList before = editor.unit().Rules();
        bench->prompter.shown.clear();
        tab->learn(LearningMode::pentatomy);
        QTRY_VERIFY(!tab->running());
        QCOMPARE(bench->prompter.lastText(), std::string("13 rules were added."));
        QCOMPARE(editor.unit().RuleCount(), static_cast<int>(before.size()) + 13);
        QVERIFY(QFile::exists(bench->path("heater.rules")));
        QVERIFY(editor.isModified());
    }

    // Learning that would add more rules than the limit asks first, naming their number; declined, it
    // changes nothing. Applied, the rules come in, and the Rules tab shows them.
    void learningVeryManyRulesAsksFirst() {
        const int rows = DataTableLearning::kAskAbove + 1;
        EditorDataTab* tab = heaterWithData(rows);
        QVERIFY(tab);
        InferenceUnitEditor& editor = editorOf(tab);
        const RuleList before = editor.unit().Rules();
        bench->prompter.answers = {PromptAnswer::no};
        tab->learn(LearningMode::pentatomy);
        QTRY_VERIFY(!tab->running());
        QCOMPARE(bench->prompter.askedTexts(),
                 std::vector<std::string>{"Learning adds 10,001 rules to the rule base. Apply them?"});
        QCOMPARE(editor.unit().Rules(), before);
        QVERIFY(bench->prompter.shown.empty());

        bench->prompter.answers = {PromptAnswer::yes};
        tab->learn(LearningMode::pentatomy);
        QTRY_VERIFY(!tab->running());
        QCOMPARE(editor.unit().RuleCount(), static_cast<int>(before.size()) + rows);
        QCOMPARE(bench->prompter.lastText(), std::string("10001 rules were added."));
        editor.tabs()->setCurrentWidget(editor.rulesTab());
        QCOMPARE(editor.rulesTab()->grid().rowCount(), editor.unit().RuleCount());
        QCOMPARE(editor.rulesTab()->grid().text(rows, 3), editor.unit().Text(~0, rows));
    }

    // Compute names the row whose input is not a number; an F-transform that can read no row says so and
    // keeps the last fit.
    void unreadableRowsAreReported() {
        EditorDataTab* tab = heaterWithData();
        QVERIFY(tab);
        bench->ftransform.nodes = 5;
        tab->fTransform();
        QTRY_VERIFY(!tab->running());
        const auto transform = tab->transform();

        std::ofstream(bench->path("bad.txt").toStdString()) << "14 cold 72\n16 -5\n";
        bench->files.dataAnswers.push_back(bench->path("bad.txt"));
        tab->importFile();
        QTRY_VERIFY(!tab->running());
        bench->prompter.shown.clear();
        tab->compute();
        QTRY_VERIFY(!tab->running());
        QCOMPARE(bench->prompter.lastText(), std::string("Compute stopped at row 1: outdoor 'cold' is not a number."));
        QCOMPARE(tab->maxErrorLabel()->text(), QString());  // no row has a result to compare
        for (const auto fit : {&EditorDataTab::fTransform, &EditorDataTab::inverseFTransform}) {
            bench->prompter.shown.clear();
            (tab->*fit)();
            QTRY_VERIFY(!tab->running());
            QCOMPARE(bench->prompter.lastText(), std::string("No data row can be read: each holds a value that is not a number."));
            QCOMPARE(tab->transform(), transform);
            QCOMPARE(tab->maxErrorLabel()->text(), QString());
        }
    }

    void fTransformDialogRefusesWhatItCannotUse() {
        FTransformSettingsDialog dialog(bench->prompter);
        std::vector<PartitionSettings> records;
        const std::vector<FTransformContext> contexts{{10, 30}, {-25, 15}};
        dialog.prepare(records, contexts, {QStringLiteral("indoor"), QStringLiteral("outdoor")});
        QCOMPARE(records.size(), std::size_t{2});
        QCOMPARE(dialog.nodeCount()->text(), QStringLiteral("10"));

        const auto refused = [&dialog](const char* nodes) {
            dialog.nodeCount()->setText(QString::fromLatin1(nodes));
            dialog.accept();
            return dialog.result() != QDialog::Accepted;
        };
        QVERIFY(refused("abc"));
        QVERIFY(bench->prompter.shown.empty());  // a field that does not parse says nothing
        QVERIFY(refused("1"));
        QCOMPARE(bench->prompter.shown.back().caption, std::string("Wrong input"));
        dialog.optimize()->setChecked(true);
        dialog.maxError()->setText(QStringLiteral("x"));
        QVERIFY(refused("7"));

        dialog.variable()->activated(1);
        QCOMPARE(dialog.nodeCount()->text(), QStringLiteral("10"));
        dialog.shapeButton(BasicFunctionShape::Quadratic)->click();
        QCOMPARE(records[1].shape, BasicFunctionShape::Quadratic);
        dialog.maxError()->setText(QStringLiteral("0,5"));
        QVERIFY(!refused("4"));
        QCOMPARE(records[0].nodes, 7);
        QCOMPARE(records[1].nodes, 4);
        QCOMPARE(dialog.choice().maxError, std::optional<double>(0.5));

        // The next opening keeps the options and the records' choices.
        dialog.prepare(records, contexts, {QStringLiteral("indoor"), QStringLiteral("outdoor")});
        QVERIFY(dialog.optimize()->isChecked());
        QCOMPARE(dialog.maxError()->text(), QStringLiteral("0,5"));
        QCOMPARE(dialog.nodeCount()->text(), QStringLiteral("7"));
    }

    void fTransformFillsTheColumnAndOffersTheFTVectorFile() {
        EditorDataTab* tab = heaterWithData();
        QVERIFY(tab);
        QVERIFY(!tab->inverseButton()->isEnabled());
        bench->ftransform.nodes = 5;
        tab->fTransform();
        QTRY_VERIFY(!tab->running());
        const QString fitted = cell(tab, 0, 4);
        QVERIFY(!fitted.isEmpty());
        QVERIFY(!tab->maxErrorLabel()->text().isEmpty());
        QVERIFY(tab->inverseButton()->isEnabled());
        QCOMPARE(tab->partitions().front().nodes, 5);

        bench->ftransform.choice = FTransformSettingsChooser::Choice{std::nullopt, true};
        bench->files.saveAnswers.push_back(bench->path("components.ftv"));
        tab->fTransform();
        QTRY_VERIFY(QFile::exists(bench->path("components.ftv")));
        QCOMPARE(bench->files.saveStarts.back(), bench->path("heater.ftv"));
        QTRY_VERIFY(!tab->running());
        QCOMPARE(cell(tab, 0, 4), fitted);

        // A file that cannot be written is reported; the dialog asks before replacing one.
        bench->files.saveAnswers.push_back(bench->path("missing/components.ftv"));
        tab->fTransform();
        QTRY_VERIFY(!bench->prompter.shown.empty());
        QCOMPARE(bench->prompter.shown.back().caption, std::string("Write Error"));
        const auto dialog = FileDialogNames::saveDialog(QStringLiteral("ftv"), bench->path("heater.ftv"));
        QVERIFY(!dialog->testOption(QFileDialog::DontConfirmOverwrite));
        QCOMPARE(dialog->acceptMode(), QFileDialog::AcceptSave);
        QCOMPARE(dialog->defaultSuffix(), QStringLiteral("ftv"));
    }
};

}  // namespace zorv

QTEST_MAIN(zorv::DataTabTest)
#include "DataTabTest.moc"
