// Takes the pictures of the user guide from the workbench itself: every window and tab that the guide
// shows is opened on a shipped example, brought into view on the offscreen platform and saved as a PNG
// into docs/manual/images (or the folder given). `make screenshots` runs it.
//
//   zorv_screenshots [-o FOLDER] [NAME...]     only the named pictures; --list names them all
//
// A new window is one more entry in shots(): the picture's name and how to bring the window into view.
#include <QApplication>
#include <QComboBox>
#include <QListWidget>
#include <QSpinBox>
#include <QPushButton>
#include <QTreeView>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QIcon>
#include <QImage>
#include <QMdiSubWindow>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolButton>
#include <QRadioButton>
#include <QCheckBox>
#include <QMenu>
#include <QMouseEvent>
#include <cstdio>
#include <functional>
#include <vector>

#include "app/qt/workbench/ApplicationSetup.h"
#include "app/qt/data/EditorDataTab.h"
#include "app/qt/data/FTransformSettingsDialog.h"
#include "app/qt/tuning/TuningDialog.h"
#include "app/qt/rules/EditorRulesTab.h"
#include "app/qt/evaluation/BackgroundEvaluation.h"
#include "app/qt/testwindow/BackgroundFilterBuild.h"
#include "app/qt/testwindow/BackgroundTestEvaluation.h"
#include "app/qt/editor/InferenceUnitEditor.h"
#include "app/qt/files/FileDialogNames.h"
#include "app/qt/workbench/MainWindow.h"
#include "app/qt/surface/SurfaceView.h"
#include "app/qt/surface/SurfaceWindow.h"
#include "app/qt/testwindow/TestWindow.h"
#include "app/qt/terms/TermClipboardStore.h"
#include "app/qt/terms/UserTermsDialog.h"
#include "app/qt/variables/VariableDialog.h"
#include "app/core/data/DataTableFTransform.h"
#include "rulebase/CRuleBase.h"
#include "tools/screenshots/ScreenshotStage.h"

namespace {

using namespace zorv;

// One picture: its file name without ".png", and what brings the window into view on a fresh stage
// (the widget returned is grabbed, and lives at least as long as the stage).
struct Shot {
    const char* name;
    std::function<QWidget*(ScreenshotStage&)> show;
};

enum EditorTab { general, inputs, outputs, rules, data };

QWidget* editorTab(ScreenshotStage& stage, const char* example, EditorTab tab, QSize size) {
    InferenceUnitEditor& editor = stage.openExample(QString::fromLatin1(example));
    QWidget& window = stage.editorWindow(editor, size);
    editor.tabs()->setCurrentIndex(tab);
    return &window;
}

// heater.rb with three more rules, as learning from data might add them: a duplicate, a rule that
// contradicts one, and one that a wider rule covers; the analysis columns show them.
QWidget* rulesWithAnalysis(ScreenshotStage& stage) {
    InferenceUnitEditor& editor = stage.openExample(QStringLiteral("heater.rb"));
    QWidget& window = stage.editorWindow(editor, QSize(900, 600));
    std::vector<RuleRow> rows = editor.unit().Rules();
    rows.emplace_back(true, std::vector<std::string>{"me", "me", "me"});
    rows.emplace_back(true, std::vector<std::string>{"sm", "sm", "si bi"});
    rows.emplace_back(true, std::vector<std::string>{"ve sm", "me", "ve bi"});
    editor.unit().SetRules(rows);
    editor.tabs()->setCurrentIndex(rules);
    ScreenshotStage::waitFor([&editor] { return !editor.rulesTab()->analysisPending(); });
    return &window;
}

QWidget* mainWindow(ScreenshotStage& stage) {
    InferenceUnitEditor& editor = stage.openExample(QStringLiteral("heater.rb"));
    editor.tabs()->setCurrentIndex(rules);
    MainWindow& main = stage.mainWindow();
    main.actions().viewBasic->setChecked(true);
    main.actions().viewModifiers->setChecked(true);
    qobject_cast<QMdiSubWindow*>(editor.parentWidget())->showMaximized();
    ScreenshotStage::waitFor([&editor] { return !editor.rulesTab()->analysisPending(); });
    return &main;
}

QWidget* variableDialog(ScreenshotStage& stage) {
    InferenceUnitEditor& editor = stage.openExample(QStringLiteral("heater.rb"));
    auto* dialog = new VariableDialog(&stage.mainWindow());
    dialog->setWindowTitle(QObject::tr("Edit variable"));
    dialog->prepareEdit(editor.unit(), 1);
    dialog->show();
    return dialog;
}

QWidget* userTerms(ScreenshotStage& stage, int page) {
    InferenceUnitEditor& editor = stage.openExample(QStringLiteral("fan.rb"));
    auto* dialog = new UserTermsDialog(editor.unit(), 0, TermClipboardStore::application(), stage.prompter(),
                                       &stage.mainWindow());
    dialog->resize(760, 560);
    dialog->pages()->setCurrentIndex(page);
    dialog->show();
    return dialog;
}

// The test window of heater.rb at its opening inputs (the middle of each context), everything computed.
TestWindow* testWindow(ScreenshotStage& stage) {
    InferenceUnitEditor& editor = stage.openExample(QStringLiteral("heater.rb"));
    TestWindow* test = stage.mainWindow().openTestWindow(editor);
    ScreenshotStage::waitFor([test] {
        return !test->outcomeRun()->busy() && !test->projectionRun()->running() && !test->filterBuild()->running();
    });
    return test;
}

// The surface of heater.rb, opened with the test window's "Surface" button, on a finer net, the mouse
// resting on a point of the net; coloured by height when asked.
QWidget* surfaceWindow(ScreenshotStage& stage, bool coloured) {
    TestWindow* test = testWindow(stage);
    test->surfaceButton()->click();
    auto* window = test->findChild<SurfaceWindow*>();
    window->resize(860, 620);
    window->stepsList()->setCurrentText(QStringLiteral("30"));
    Q_EMIT window->stepsList()->activated(window->stepsList()->currentIndex());
    ScreenshotStage::waitFor([window] { return window->view()->net().Rows() == 30; });
    window->heightColoursBox()->setChecked(coloured);
    ScreenshotStage::settle();
    const ScreenPoint point = window->view()->graphics().View().Project(window->view()->net().At(22, 8));
    QMouseEvent move(QEvent::MouseMove, QPointF(point.x, point.y), window->view()->mapToGlobal(QPointF(point.x, point.y)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(window->view(), &move);
    return window;
}

// heater.rb's "Input / Output" tab with heater.txt imported and computed, the typical expressions shown.
QWidget* dataTab(ScreenshotStage& stage) {
    InferenceUnitEditor& editor = stage.openExample(QStringLiteral("heater.rb"));
    QWidget& window = stage.editorWindow(editor, QSize(860, 560));
    EditorDataTab* tab = editor.dataTab();
    editor.tabs()->setCurrentWidget(tab);
    stage.files().dataAnswers.push_back(QStringLiteral("examples/heater.txt"));
    tab->importFile();
    ScreenshotStage::waitFor([tab] { return !tab->running(); });
    stage.forgetMessages();  // "13 rows succesfully imported"
    tab->lingApproxBox()->setChecked(true);
    tab->compute();
    ScreenshotStage::waitFor([tab] { return !tab->running(); });
    tab->view()->resizeColumnsToContents();
    return &window;
}

// The "Learn" drop-down of the data tab, open.
QWidget* learnMenu(ScreenshotStage& stage) {
    InferenceUnitEditor& editor = stage.openExample(QStringLiteral("heater.rb"));
    stage.editorWindow(editor, QSize(860, 560));
    editor.tabs()->setCurrentWidget(editor.dataTab());
    ScreenshotStage::settle();
    QToolButton* learn = editor.dataTab()->learnButton();
    learn->menu()->popup(learn->mapToGlobal(QPoint(0, learn->height())));
    return learn->menu();
}

// "F-Transform Settings" opened on heater.rb's inputs, the second one chosen with quadratic functions.
QWidget* fTransformSettings(ScreenshotStage& stage) {
    InferenceUnitEditor& editor = stage.openExample(QStringLiteral("heater.rb"));
    static std::vector<PartitionSettings> records;
    const std::vector<FTransformContext> contexts = DataTableFTransform::InputContexts(editor.unit());
    QStringList names;
    for (int k = 0; k < editor.unit().AntecedentCount(); ++k) names << QString::fromStdString(editor.unit().VariableName(k));
    auto* dialog = new FTransformSettingsDialog(stage.prompter(), &stage.mainWindow());
    dialog->prepare(records, contexts, names);
    dialog->variable()->setCurrentIndex(1);
    dialog->variable()->activated(1);
    dialog->shapeButton(BasicFunctionShape::Quadratic)->click();
    dialog->show();
    return dialog;
}

// The tuning dialog after tuning the contexts of heater.rb moved away from the true ones (indoor <14, 34>,
// outdoor <-33, 11>) back to examples/heater-samples.txt, the output kept.
QWidget* tuningDialog(ScreenshotStage& stage) {
    InferenceUnitEditor& editor = stage.openExample(QStringLiteral("heater.rb"));
    editor.unit().Settings(0).setContext(14, 34);
    editor.unit().Settings(1).setContext(-33, 11);
    editor.unit().Compile();
    EditorDataTab* tab = editor.dataTab();
    editor.tabs()->setCurrentWidget(tab);
    stage.files().dataAnswers.push_back(QStringLiteral("examples/heater-samples.txt"));
    tab->importFile();
    ScreenshotStage::waitFor([tab] { return !tab->running(); });
    stage.forgetMessages();  // "500 rows succesfully imported"
    tab->tune();
    TuningDialog* dialog = tab->tuningDialog();
    dialog->variableList()->item(2)->setCheckState(Qt::Unchecked);
    dialog->holdOutBox()->setValue(20);
    dialog->resize(520, 720);
    dialog->start();
    ScreenshotStage::waitFor([dialog] { return !dialog->running(); }, 60000);
    return dialog;
}

// heater.rb and its test window tiled side by side on a main window of 1366 x 768: the editor's buttons
// and every part of the test window stay in view.
QWidget* tiledWindows(ScreenshotStage& stage) {
    InferenceUnitEditor& editor = stage.openExample(QStringLiteral("heater.rb"));
    TestWindow* test = stage.mainWindow().openTestWindow(editor);
    ScreenshotStage::waitFor([test] {
        return !test->outcomeRun()->busy() && !test->projectionRun()->running() && !test->filterBuild()->running();
    });
    stage.mainWindow().actions().tileVertically->trigger();
    return &stage.mainWindow();
}

// The file list of the Open dialog on the examples folder, where the rule bases show as the file type the
// workbench installs ("Rulebase"); the tool makes the type known to the dialog for itself (see main()).
QWidget* openDialog(ScreenshotStage& stage) {
    auto* dialog = new QFileDialog(&stage.mainWindow(), QObject::tr("Open"));
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setViewMode(QFileDialog::Detail);
    const QString ruleBases = QString::fromLatin1(FileDialogNames::kRuleBaseFilter);
    dialog->setNameFilters({QString::fromLatin1(FileDialogNames::kAllFilesFilter), ruleBases});
    dialog->selectNameFilter(ruleBases);
    dialog->setDirectory(QDir::current().filePath(QStringLiteral("examples")));
    dialog->resize(640, 360);
    dialog->show();
    ScreenshotStage::settle();
    // The list of files alone: the rest of the dialog would show the folders of the machine it ran on.
    auto* files = dialog->findChild<QTreeView*>(QStringLiteral("treeView"));
    if (files == nullptr) return dialog;
    ScreenshotStage::waitFor([files] { return files->model()->rowCount(files->rootIndex()) >= 4; }, 5000);
    files->setColumnHidden(3, true);  // the dates of the checkout, different every time
    files->resize(420, 110);
    return files;
}

const std::vector<Shot>& shots() {
    static const std::vector<Shot> list = {
        {"main-window", mainWindow},
        {"editor-general", [](ScreenshotStage& s) { return editorTab(s, "heater.rb", general, {760, 460}); }},
        {"editor-inputs", [](ScreenshotStage& s) { return editorTab(s, "heater.rb", inputs, {680, 340}); }},
        {"editor-outputs", [](ScreenshotStage& s) { return editorTab(s, "fan.rb", outputs, {680, 340}); }},
        {"editor-rules", rulesWithAnalysis},
        {"editor-data", dataTab},
        {"learn-menu", learnMenu},
        {"ftransform-settings", fTransformSettings},
        {"tuning-dialog", tuningDialog},
        {"variable-dialog", variableDialog},
        {"user-terms", [](ScreenshotStage& s) { return userTerms(s, 0); }},
        {"standard-terms", [](ScreenshotStage& s) { return userTerms(s, 1); }},
        {"test-window", [](ScreenshotStage& s) { return testWindow(s)->parentWidget(); }},
        {"tiled-windows", tiledWindows},
        {"open-dialog", openDialog},
        {"surface-window", [](ScreenshotStage& s) { return surfaceWindow(s, false); }},
        {"surface-coloured", [](ScreenshotStage& s) { return surfaceWindow(s, true); }},
    };
    return list;
}

bool take(const Shot& shot, const QDir& folder) {
    ScreenshotStage stage;
    QWidget* widget = shot.show(stage);
    ScreenshotStage::settle();
    const QString path = folder.filePath(QString::fromLatin1(shot.name) + QStringLiteral(".png"));
    const QImage image = widget->grab().toImage().convertToFormat(QImage::Format_RGB888);
    if (!image.save(path, "PNG", 0)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    for (const PromptMessage& message : stage.messages()) {
        std::fprintf(stderr, "%s: the window said: %s\n", shot.name, message.text.c_str());
    }
    std::printf("%s (%dx%d)\n", qPrintable(path), image.width(), image.height());
    return true;
}

}  // namespace

// The file type of rule bases, as installing the workbench makes it known, in a data folder of the tool's
// own; it is used only while the pictures are taken.
void knowRuleBaseType(const QTemporaryDir& home) {
    QDir(home.path()).mkpath(QStringLiteral("mime/packages"));
    QFile::copy(QStringLiteral(ZORV_SOURCE_DIR "/app/share/zorv-rulebase.xml"),
                home.filePath(QStringLiteral("mime/packages/zorv-rulebase.xml")));
    qputenv("XDG_DATA_HOME", home.path().toLocal8Bit());
}

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    const QTemporaryDir home;
    knowRuleBaseType(home);
    QApplication application(argc, argv);
    ApplicationSetup::apply();
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/zorvix.svg")));

    QDir folder(QStringLiteral(ZORV_SOURCE_DIR "/docs/manual/images"));
    QStringList wanted;
    const QStringList arguments = QApplication::arguments().mid(1);
    for (int i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == QLatin1String("--list")) {
            for (const Shot& shot : shots()) std::printf("%s\n", shot.name);
            return 0;
        }
        if (arguments[i] == QLatin1String("-o") && i + 1 < arguments.size()) {
            folder.setPath(arguments[++i]);
        } else if (arguments[i].startsWith(QLatin1Char('-'))) {
            std::fprintf(stderr, "usage: zorv_screenshots [-o FOLDER] [--list] [NAME...]\n");
            return 2;
        } else {
            wanted << arguments[i];
        }
    }
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot make %s\n", qPrintable(folder.path()));
        return 2;
    }
    // The windows name files as the guide does, within the sources ("examples/heater.txt").
    folder.makeAbsolute();
    QDir::setCurrent(QStringLiteral(ZORV_SOURCE_DIR));
    bool ok = true;
    int taken = 0;
    for (const Shot& shot : shots()) {
        if (!wanted.isEmpty() && !wanted.contains(QString::fromLatin1(shot.name))) continue;
        ok = take(shot, folder) && ok;
        ++taken;
    }
    if (taken < wanted.size()) {
        std::fprintf(stderr, "unknown picture name among: %s (see --list)\n", qPrintable(wanted.join(QLatin1Char(' '))));
        return 2;
    }
    return ok ? 0 : 1;
}
