#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QFileInfo>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>
#include <QToolButton>
#include <fstream>

#include "tests/app/qt/WorkbenchTestWindow.h"
#include "app/qt/editor/EditorGeneralTab.h"
#include "app/qt/editor/InferenceUnitEditor.h"
#include "app/qt/rules/WordToolBar.h"
#include "app/qt/workbench/MessageBoxPrompter.h"
#include "rulebase/CRuleBaseWriter.h"

namespace zorv {
namespace {

// Writes a small rule base whose only input variable is called inputName.
void writeRuleBase(const QString& path, const std::string& inputName = "X") {
    const auto unit = CRuleBase::Create(DescriptionType::linguistic);
    unit->Variable(0).SetName(inputName);
    unit->SaveToFile(path.toStdString());
}

std::string fileText(const CRuleBase& unit) {
    return CRuleBaseWriter(unit).Text();
}

QStringList menuCaptions(const QMenu& menu) {
    QStringList captions;
    for (const QAction* action : menu.actions()) captions << action->text();
    return captions;
}

}  // namespace

class MainWindowTest : public test::MainWindowFixture {
    Q_OBJECT

private Q_SLOTS:
    void captionsMenusAndShortcuts() {
        QCOMPARE(window->windowTitle(), QStringLiteral("Zorvix"));
        const MainActions& a = window->actions();
        struct Row {
            QAction* action;
            const char* text;
            QKeySequence keys;
            const char* tip;
        };
        const Row rows[] = {
            {a.newFile, "&New", QKeySequence("Ctrl+N"), "Create a new file"},
            {a.open, "&Open", QKeySequence("Ctrl+O"), "Open a file"},
            {a.close, "&Close", {}, "Close current file"},
            {a.save, "&Save", QKeySequence("Ctrl+S"), "Save current file"},
            {a.saveAs, "Save &As...", {}, "Save current file with different name"},
            {a.exit, "E&xit", {}, "Exit application"},
            {a.undo, "Undo", QKeySequence("Ctrl+U"), ""},
            {a.redo, "Redo", QKeySequence("Ctrl+R"), ""},
            {a.cut, "Cu&t", QKeySequence("Ctrl+X"), "Cuts the selection and puts it on the Clipboard"},
            {a.copy, "&Copy", QKeySequence("Ctrl+C"), "Copies the selection and puts it on the Clipboard"},
            {a.paste, "&Paste", QKeySequence("Ctrl+V"), "Inserts Clipboard contents"},
            {a.deleteEmpty, "Delete &Empty", QKeySequence("Ctrl+E"), ""},
            {a.duplicate, "&Duplicate", QKeySequence("Ctrl+D"), ""},
            {a.invertSign, "&Invert sign (+/-)", QKeySequence("Ctrl+I"), ""},
            {a.deleteDuplicit, "Delete D&uplicit", {}, ""},
            {a.deleteRedundant, "Delete &Redundant", {}, ""},
            {a.mergeInconsistent, "Merge Inconsistent", {}, ""},
            {a.tileHorizontally, "Tile &Horizontally", {}, ""},
            {a.helpContents, "Contents...", {}, ""},
            {a.about, "&About...", {}, ""},
        };
        for (const Row& row : rows) {
            QCOMPARE(row.action->text(), QString::fromLatin1(row.text));
            QCOMPARE(row.action->shortcut(), row.keys);
            QCOMPARE(row.action->statusTip(), QString::fromLatin1(row.tip));
        }
        QStringList menus;
        for (const QAction* menu : window->menuBar()->actions()) menus << menu->text();
        QCOMPARE(menus, (QStringList{"&File", "&Edit", "&View", "&Window", "&Help"}));
        QCOMPARE(window->menuBar()->actions()[0]->statusTip(), QStringLiteral("File related commands"));
        QCOMPARE(window->menuBar()->actions()[4]->statusTip(), QStringLiteral("Help topics"));
        // Nothing to save before a rule base is open.
        QVERIFY(!a.save->isEnabled());
        QVERIFY(!a.saveAs->isEnabled());
        QVERIFY(!window->reopenMenu()->isEnabled());
    }

    void wordToolBarsStartHiddenAndFollowTheViewMenu() {
        const MainActions& a = window->actions();
        const std::pair<MainWindow::WordBar, QAction*> bars[] = {
            {MainWindow::WordBar::basic, a.viewBasic},
            {MainWindow::WordBar::signedBasic, a.viewSigned},
            {MainWindow::WordBar::modifiers, a.viewModifiers},
            {MainWindow::WordBar::user, a.viewUser},
        };
        for (const auto& [which, item] : bars) {
            WordToolBar* bar = window->wordToolBar(which);
            QVERIFY(bar->isHidden());
            QVERIFY(!item->isChecked());
            QCOMPARE(window->toolBarArea(bar), Qt::LeftToolBarArea);
            QCOMPARE(bar->allowedAreas(), Qt::AllToolBarAreas);
            item->trigger();
            QVERIFY(!bar->isHidden());
            item->trigger();
            QVERIFY(bar->isHidden());
        }
        QVERIFY(!a.viewConnectives->isVisible());
        QVERIFY(window->wordToolBar(MainWindow::WordBar::connectives)->isHidden());
        QCOMPARE(window->wordToolBar(MainWindow::WordBar::signedBasic)->words(),
                 (QStringList{"zero", "+small", "+medium", "+big", "+zero", "-small", "-medium", "-big", "-zero"}));
        QVERIFY(window->wordToolBar(MainWindow::WordBar::user)->words().isEmpty());
    }

    void closeFollowsTheWindowsAndMenuHintsGoWithTheirMenu() {
        QAction* close = window->actions().close;
        QVERIFY(!close->isEnabled());
        window->newRuleBase();
        QVERIFY(close->isEnabled());
        prompter().answers = {PromptAnswer::no};
        close->trigger();
        QTRY_VERIFY(window->mdiArea()->subWindowList().isEmpty());
        QTRY_VERIFY(!close->isEnabled());

        QMenu* file = window->menuBar()->actions().constFirst()->menu();
        file->popup(window->mapToGlobal(QPoint(10, 10)));
        file->setActiveAction(window->actions().open);
        QCOMPARE(window->statusBar()->currentMessage(), QStringLiteral("Open a file"));
        file->hide();
        QCOMPARE(window->statusBar()->currentMessage(), QString());
    }

    // A main window of 1366 x 768 less a window manager's title bar and panel: new editors fit its area, also
    // cascaded, and three tiled side by side keep their buttons in view.
    void editorsFitTheAreaCascadedAndTiled() {
        window->resize(1366, 640);
        QList<InferenceUnitEditor*> editors;
        for (int i = 0; i < 3; ++i) {
            window->newRuleBase();
            editors << window->activeEditor();
        }
        QWidget* area = window->mdiArea()->viewport();
        const auto inside = [area](const QWidget* widget) {
            QApplication::processEvents();
            return area->rect().contains(QRect(widget->mapTo(area, QPoint(0, 0)), widget->size()));
        };
        for (const InferenceUnitEditor* editor : editors) QVERIFY(inside(editor->parentWidget()));
        window->actions().cascade->trigger();
        for (const InferenceUnitEditor* editor : editors) QVERIFY(inside(editor->parentWidget()));
        window->actions().tileVertically->trigger();
        for (const InferenceUnitEditor* editor : editors) {
            for (const QPushButton* button : {editor->testButton(), editor->saveButton(), editor->saveAsButton(), editor->closeButton()}) {
                QVERIFY(inside(button));
            }
        }
    }

    // A box with a short text is still wide enough for its caption in the title bar.
    void messageBoxesShowTheirWholeCaption() {
        QMessageBox box;
        MessageBoxPrompter::prepare(box, {"x", "Confirmation", PromptIcon::none});
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QVERIFY(box.width() >= box.fontMetrics().horizontalAdvance(box.windowTitle()) + 150);
    }

    void wordButtonsInsertTheirShortForm() {
        WordToolBar* bar = window->wordToolBar(MainWindow::WordBar::modifiers);
        bar->show();
        QSignalSpy chosen(bar, &WordToolBar::wordChosen);
        QTest::mouseClick(bar->button(4), Qt::LeftButton);
        QTest::mouseClick(bar->button(0), Qt::RightButton);
        QCOMPARE(chosen.count(), 2);
        QCOMPARE(chosen[0], (QVariantList{QStringLiteral("ml"), false}));
        QCOMPARE(chosen[1], (QVariantList{QStringLiteral("ex"), true}));

        // Without the rules grid an editor takes no word and stays unmodified.
        const QString path = bench->path("words.rb");
        writeRuleBase(path);
        InferenceUnitEditor* editor = window->openPath(path);
        QVERIFY(editor);
        QTest::mouseClick(bar->button(2), Qt::LeftButton);
        QVERIFY(!editor->isModified());
    }

    void userTermButtonsAreReplacedBehindTheLabel() {
        WordToolBar* bar = window->wordToolBar(MainWindow::WordBar::user);
        const int fixed = bar->actions().size();
        bar->setWords({"warm", "cold"});
        QCOMPARE(bar->words(), (QStringList{"warm", "cold"}));
        bar->setWords({"wet"});
        QCOMPARE(bar->words(), QStringList{"wet"});
        QCOMPARE(bar->actions().size(), fixed + 1);
        bar->setWords({});
        QCOMPARE(bar->actions().size(), fixed);
    }

    void newRuleBasesAreNumberedFromZero() {
        window->actions().newFile->trigger();
        bench->newRuleBase.type.reset();
        window->actions().newFile->trigger();  // cancelled: no editor, no number used
        bench->newRuleBase.type = DescriptionType::singleton;
        window->actions().newFile->trigger();

        const auto editors = window->editors();
        QCOMPARE(editors.size(), 2);
        QCOMPARE(editors[0]->caption(), QStringLiteral("NoName0.rb"));
        QCOMPARE(editors[1]->caption(), QStringLiteral("NoName1.rb"));
        QCOMPARE(editors[1]->generalTab()->unitName()->text(), QStringLiteral("NoName1"));
        QCOMPARE(editors[1]->unit().descriptionType(), DescriptionType::singleton);
        QVERIFY(editors[1]->isModified());
        QVERIFY(!editors[1]->isNamed());
        QVERIFY(window->actions().save->isEnabled());
        QVERIFY(window->actions().saveAs->isEnabled());
    }

    void newThenSaveThenReopenGivesAnEqualRuleBase_data() {
        QTest::addColumn<int>("type");
        QTest::newRow("linguistic") << static_cast<int>(DescriptionType::linguistic);
        QTest::newRow("singleton") << static_cast<int>(DescriptionType::singleton);
    }

    void newThenSaveThenReopenGivesAnEqualRuleBase() {
        QFETCH(int, type);
        bench->newRuleBase.type = static_cast<DescriptionType>(type);
        window->newRuleBase();
        InferenceUnitEditor* created = window->activeEditor();
        QVERIFY(created);
        created->generalTab()->descriptionEdit()->setPlainText(QStringLiteral("Saved\nand read back."));

        const QString path = bench->path("new.rb");
        bench->files.saveAnswers.push_back(path);
        window->actions().save->trigger();
        QCOMPARE(bench->files.saveStarts.size(), std::size_t{1});
        QCOMPARE(QFileInfo(bench->files.saveStarts[0]).fileName(), QStringLiteral("NoName0.rb"));
        QCOMPARE(QFileInfo(bench->files.saveStarts[0]).absolutePath(), QCoreApplication::applicationDirPath());
        QVERIFY(prompter().shown.empty());
        QVERIFY(!created->isModified());
        QVERIFY(created->isNamed());
        QCOMPARE(created->caption(), path);
        QCOMPARE(created->generalTab()->unitName()->text(), QStringLiteral("new"));
        QVERIFY(!window->actions().save->isEnabled());
        QCOMPARE(menuCaptions(*window->reopenMenu()), QStringList{"new.rb"});

        QCOMPARE(window->openPath(path), created);  // the file's editor is already open
        const auto reopened = CRuleBase::Load(path.toStdString());
        QCOMPARE(fileText(*reopened), fileText(created->unit()));
        QCOMPARE(reopened->Description(), std::string("Saved\nand read back."));
        QCOMPARE(reopened->Rules(), created->unit().Rules());
    }

    void openStartsWhereTheActiveRuleBaseLives() {
        const QString first = bench->path("first.rb");
        writeRuleBase(first);
        bench->files.openAnswers = {first, std::nullopt};
        window->actions().open->trigger();
        QCOMPARE(window->editors().size(), 1);
        window->actions().open->trigger();  // cancelled
        QCOMPARE(window->editors().size(), 1);
        QCOMPARE(bench->files.openStarts, (std::vector<QString>{QString(), first}));
    }

    void openedRuleBaseIsUnmodifiedWithSaveDisabled() {
        const QString path = bench->path("heater.rb");
        writeRuleBase(path, "indoor");
        InferenceUnitEditor* editor = window->openPath(path);
        QVERIFY(editor);
        QCOMPARE(editor->caption(), path);
        QCOMPARE(editor->windowTitle(), path + QStringLiteral("[*]"));
        QCOMPARE(editor->generalTab()->unitName()->text(), QStringLiteral("heater"));
        QVERIFY(!editor->isModified());
        QVERIFY(!window->actions().save->isEnabled());
        QVERIFY(window->actions().saveAs->isEnabled());
        QCOMPARE(editor->unit().VariableName(0), std::string("indoor"));
        QVERIFY(prompter().shown.empty());
    }

    void openingAMissingFileShowsFileNotFound() {
        const QString path = bench->path("absent.rb");
        QVERIFY(!window->openPath(path));
        QCOMPARE(prompter().shown.size(), std::size_t{1});
        QCOMPARE(prompter().shown[0],
                 (PromptMessage{"File not found: " + path.toStdString(), "IO Error", PromptIcon::warning}));
        QVERIFY(window->editors().isEmpty());
        QVERIFY(window->reopenMenu()->isEmpty());
    }

    void openingABrokenFileShowsTheSyntaxError() {
        const QString path = bench->path("broken.rb");
        std::ofstream(path.toStdString()) << "TypeOfDescription=linguistic\nRULES\n";
        QVERIFY(!window->openPath(path));
        QCOMPARE(prompter().shown.size(), std::size_t{1});
        QCOMPARE(prompter().shown[0],
                 (PromptMessage{path.toStdString() + ": bad file type", "Syntax error", PromptIcon::none}));
        QVERIFY(window->editors().isEmpty());
        QVERIFY(window->mdiArea()->subWindowList().isEmpty());
        // The path still enters the recent files.
        QCOMPARE(menuCaptions(*window->reopenMenu()), QStringList{"broken.rb"});
        QVERIFY(!window->actions().save->isEnabled());
    }

    void recentFilesKeepTheFiveLatestMostRecentFirst() {
        QStringList paths;
        for (int i = 1; i <= 6; ++i) {
            paths << bench->path(QStringLiteral("r%1.rb").arg(i));
            writeRuleBase(paths.last());
            QVERIFY(window->openPath(paths.last()));
        }
        QCOMPARE(menuCaptions(*window->reopenMenu()), (QStringList{"r6.rb", "r5.rb", "r4.rb", "r3.rb", "r2.rb"}));
        QVERIFY(window->reopenMenu()->isEnabled());

        QVERIFY(window->openPath(paths[3]));
        QCOMPARE(menuCaptions(*window->reopenMenu()), (QStringList{"r4.rb", "r6.rb", "r5.rb", "r3.rb", "r2.rb"}));

        // Choosing an item opens that file again; a file already open keeps its one editor, now active.
        const int before = window->editors().size();
        QVERIFY(window->activeEditor()->caption() != paths[2]);
        window->reopenMenu()->actions()[3]->trigger();
        QCOMPARE(window->editors().size(), before);
        QCOMPARE(window->activeEditor()->caption(), paths[2]);
        QCOMPARE(menuCaptions(*window->reopenMenu()), (QStringList{"r3.rb", "r4.rb", "r6.rb", "r5.rb", "r2.rb"}));

        // The list lives in the settings store, so a new window shows it as well.
        MainWindow other(bench->services());
        QCOMPARE(menuCaptions(*other.reopenMenu()), (QStringList{"r3.rb", "r4.rb", "r6.rb", "r5.rb", "r2.rb"}));
    }

    // Save As onto the file of another editor would leave two editors each saving over the other's work.
    void saveAsRefusesTheFileOfAnotherEditor() {
        const QString first = bench->path("first.rb");
        const QString second = bench->path("second.rb");
        writeRuleBase(first, "first");
        writeRuleBase(second, "second");
        QVERIFY(window->openPath(first));
        InferenceUnitEditor* editor = window->openPath(second);
        QVERIFY(editor);
        bench->files.saveAnswers = {bench->path("./first.rb"), second};
        QCOMPARE(editor->saveAs(), SaveOutcome::failed);
        QCOMPARE(prompter().lastText(), std::string("first.rb is open in another window. Save it there, or close that "
                                                    "window first."));
        QCOMPARE(editor->caption(), second);
        QCOMPARE(CRuleBase::Load(first.toStdString())->VariableName(0), std::string("first"));
        QCOMPARE(editor->saveAs(), SaveOutcome::saved);  // its own file is its to write
    }

    void reopeningAFileThatVanishedShowsFileNotFound() {
        const QString path = bench->path("gone.rb");
        writeRuleBase(path);
        QVERIFY(window->openPath(path));
        QVERIFY(QFile::remove(path));
        window->reopenMenu()->actions()[0]->trigger();
        QCOMPARE(prompter().shown.size(), std::size_t{1});
        QCOMPARE(prompter().shown[0].caption, std::string("IO Error"));
    }

    void missingCommandLineFilesAreSkippedSilently() {
        const QString present = bench->path("present.rb");
        writeRuleBase(present);
        window->setStartupFiles({bench->path("missing.rb"), present});
        window->openStartupFiles();
        QCOMPARE(window->editors().size(), 1);
        QCOMPARE(window->editors()[0]->caption(), present);
        QVERIFY(prompter().shown.empty());
        window->openStartupFiles();  // only once
        QCOMPARE(window->editors().size(), 1);
    }

    void saveStateFollowsTheActiveEditor() {
        const QString path = bench->path("plain.rb");
        writeRuleBase(path);
        InferenceUnitEditor* opened = window->openPath(path);
        window->newRuleBase();
        InferenceUnitEditor* created = window->activeEditor();
        QVERIFY(created != opened);
        QVERIFY(window->actions().save->isEnabled());

        window->mdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(opened->parentWidget()));
        QCOMPARE(window->activeEditor(), opened);
        QVERIFY(!window->actions().save->isEnabled());
        opened->markModified();
        QVERIFY(window->actions().save->isEnabled());

        window->actions().close->trigger();  // asks about opened, answered Cancel
        QCOMPARE(window->editors().size(), 2);
        prompter().answers = {PromptAnswer::no};
        window->actions().close->trigger();
        QTRY_COMPARE(window->editors().size(), 1);
        prompter().answers = {PromptAnswer::no};
        window->actions().close->trigger();
        QTRY_VERIFY(window->editors().isEmpty());
        QVERIFY(!window->actions().save->isEnabled());
        QVERIFY(!window->actions().saveAs->isEnabled());
    }

    void editCommandsWithoutAnEditorDoNothing() {
        const MainActions& a = window->actions();
        for (QAction* action : {a.undo, a.redo, a.cut, a.copy, a.paste, a.deleteEmpty, a.duplicate, a.invertSign,
                                a.deleteDuplicit, a.deleteRedundant, a.mergeInconsistent, a.save, a.saveAs, a.close}) {
            action->trigger();
        }
        QVERIFY(prompter().shown.empty());
        QVERIFY(bench->files.saveStarts.empty());
    }

    void exitAnsweredNoKeepsEverything() {
        window->newRuleBase();
        prompter().answers = {PromptAnswer::no};
        QVERIFY(!window->close());
        QCOMPARE(prompter().asked.size(), std::size_t{1});
        QCOMPARE(prompter().asked[0], (PromptMessage{"Do you really want to close Zorvix application?",
                                                     "Confirmation", PromptIcon::question}));
        QCOMPARE(prompter().askedButtons[0], PromptButtons::yesNo);
        QCOMPARE(window->editors().size(), 1);
    }

    void exitWithAModifiedEditorAnsweredCancelKeepsTheApplicationRunning() {
        const QString path = bench->path("kept.rb");
        writeRuleBase(path);
        InferenceUnitEditor* clean = window->openPath(path);
        window->newRuleBase();  // modified, and active
        prompter().answers = {PromptAnswer::yes, PromptAnswer::cancel};
        QVERIFY(!window->close());
        QVERIFY(window->isVisible());
        QCOMPARE(prompter().asked.size(), std::size_t{2});
        QCOMPARE(prompter().asked[1].text, std::string("Do you want to save changes in NoName0.rb?"));
        QCOMPARE(window->editors().size(), 2);
        QVERIFY(window->activeEditor()->isModified());
        QVERIFY(clean);
        QVERIFY(!bench->settings.placement(QStringLiteral("Zorvix")));
    }

    void exitClosesEveryEditorAndSavesThePlacements() {
        const QString path = bench->path("placed.rb");
        writeRuleBase(path);
        window->openPath(path);
        window->newRuleBase();
        prompter().answers = {PromptAnswer::yes, PromptAnswer::no};
        QVERIFY(window->close());
        QTRY_VERIFY(window->editors().isEmpty());
        QVERIFY(bench->settings.placement(QStringLiteral("Zorvix")));
        QVERIFY(bench->settings.placement(path));
        QVERIFY(bench->settings.placement(QStringLiteral("NoName0.rb")));
    }

    void editorPlacementIsRestoredUnderItsCaption() {
        const QString path = bench->path("placement.rb");
        writeRuleBase(path);
        InferenceUnitEditor* editor = window->openPath(path);
        auto* frame = qobject_cast<QMdiSubWindow*>(editor->parentWidget());
        frame->setGeometry(30, 40, 560, 430);
        frame->showMaximized();
        QVERIFY(frame->close());
        const auto saved = bench->settings.placement(path);
        QVERIFY(saved);
        QCOMPARE(QRect(saved->left, saved->top, saved->width, saved->height), QRect(30, 40, 560, 430));
        QVERIFY(saved->maximized);

        InferenceUnitEditor* again = window->openPath(path);
        auto* reopened = qobject_cast<QMdiSubWindow*>(again->parentWidget());
        QVERIFY(reopened->isMaximized());
        reopened->showNormal();
        QCOMPARE(reopened->geometry(), QRect(30, 40, 560, 430));
    }

    void newRuleBaseTakesThePlacementOfTheFormCaption() {
        bench->settings.setPlacement(QStringLiteral("Inference unit"), {12, 14, 540, 420, false});
        window->newRuleBase();
        auto* frame = qobject_cast<QMdiSubWindow*>(window->activeEditor()->parentWidget());
        QCOMPARE(frame->geometry(), QRect(12, 14, 540, 420));
        QVERIFY(!frame->isMaximized());
    }

    void mainWindowPlacementIsReadAtCreation() {
        bench->settings.setPlacement(QStringLiteral("Zorvix"), {50, 60, 700, 500, false});
        MainWindow placed(bench->services());
        QCOMPARE(placed.geometry(), QRect(50, 60, 700, 500));
    }

    void tilingFillsTheArea() {
        window->resize(800, 600);
        window->newRuleBase();
        window->newRuleBase();
        window->actions().tileHorizontally->trigger();
        const auto windows = window->mdiArea()->subWindowList(QMdiArea::CreationOrder);
        const QSize area = window->mdiArea()->viewport()->size();
        QCOMPARE(windows[0]->geometry().width(), area.width());
        QCOMPARE(windows[1]->geometry().bottom(), area.height() - 1);
        window->actions().tileVertically->trigger();
        QCOMPARE(windows[0]->geometry().height(), area.height());
        QCOMPARE(windows[1]->geometry().right(), area.width() - 1);
        window->actions().minimizeAll->trigger();
        QVERIFY(windows[0]->isMinimized() && windows[1]->isMinimized());
        window->actions().arrangeAll->trigger();
        QCOMPARE(windows[0]->geometry().bottom(), area.height() - 1);
        QCOMPARE(windows[0]->geometry().left(), 0);
    }

    void importOpensAnUnnamedEditorOrShowsWhyNot() {
        const std::string fll = "Engine: e\nInputVariable: a\n  range: 0 1\n  term: t Triangle 0 0.5 1\n"
                                "OutputVariable: o\n  range: 0 1\n  aggregation: Maximum\n  defuzzifier: Centroid 100\n"
                                "  term: u Triangle 0 0.5 1\nRuleBlock: r\n  implication: Minimum\n  rule: if a is t then o is u\n";
        const QString good = bench->path("good.fll");
        const QString chained = bench->path("chained.fll");
        std::ofstream(good.toStdString()) << fll;
        std::ofstream(chained.toStdString()) << std::string(fll).replace(fll.find("if a is t"), 9, "if o is u");
        bench->files.importAnswers = {good, chained};
        // The file is read on a worker; the window stays usable meanwhile.
        window->actions().importFile->trigger();
        QTRY_COMPARE(window->editors().size(), 1);
        QVERIFY(!window->editors()[0]->isNamed());
        QCOMPARE(window->editors()[0]->unit().RuleCount(), 1);
        const std::size_t shown = prompter().shown.size();
        window->actions().importFile->trigger();
        QTRY_COMPARE(prompter().shown.size(), shown + 1);
        QCOMPARE(window->editors().size(), 1);
        QCOMPARE(prompter().shown.back().caption, std::string("Error"));
        QVERIFY(window->actions().importFile->isEnabled());
    }

    void memoryLabelShowsTheHeapInUse() {
        bool number = false;
        QTRY_VERIFY(window->memoryLabel()->text().toULongLong(&number) > 0 && number);
    }
};

}  // namespace zorv

QTEST_MAIN(zorv::MainWindowTest)
#include "MainWindowTest.moc"
