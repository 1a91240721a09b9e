#include "app/qt/workbench/MainWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QSet>
#include <QStatusBar>
#include <QToolBar>

#include "app/core/workbench/HeapUsage.h"
#include "app/core/interchange/InterchangeTransfer.h"
#include "app/core/workbench/Prompter.h"
#include "app/core/files/RuleBaseOpener.h"
#include "app/core/rules/WordTables.h"
#include "app/core/workbench/WorkbenchMessages.h"
#include "rulebase/CRuleBase.h"
#include "app/qt/files/FileNameProvider.h"
#include "app/qt/editor/InferenceUnitEditor.h"
#include "app/qt/rules/RulesTabController.h"
#include "app/qt/files/NewRuleBaseChooser.h"
#include "app/qt/rules/RulesInfoMenu.h"
#include "app/qt/workbench/SettingsStore.h"
#include "app/qt/testwindow/TestWindow.h"
#include "app/qt/workbench/WindowArranger.h"
#include "app/qt/workbench/WindowPlacement.h"
#include "app/qt/rules/WordToolBar.h"

namespace zorv {
namespace {

constexpr int kMemoryRefreshMs = 100;

}  // namespace

MainWindow::MainWindow(WorkbenchServices services, QWidget* parent)
    : QMainWindow(parent),
      services_(services),
      actions_(MainActions::create(this)),
      recent_(services.settings),
      mdi_(new QMdiArea(this)) {
    setWindowTitle(QString::fromLatin1(kCaption));
    setCentralWidget(mdi_);
    setDockOptions(dockOptions() | QMainWindow::AllowNestedDocks);
    createMenus();
    createToolBar();
    createWordToolBars();
    connectActions();
    statusBar();
    rebuildReopenMenu();
    updateActions();
    connect(mdi_, &QMdiArea::subWindowActivated, this, &MainWindow::editorActivated);
    connect(qApp, &QApplication::focusChanged, this, &MainWindow::updateActions);
    connect(&memoryTimer_, &QTimer::timeout, this, &MainWindow::refreshMemory);
    memoryTimer_.start(kMemoryRefreshMs);
    refreshMemory();
    WindowPlacement::load(*this, QString::fromLatin1(kCaption), services_.settings);
}

// The child windows outlive this part of the window; they must not report back to it while they go.
MainWindow::~MainWindow() {
    memoryTimer_.stop();
    disconnect(qApp, nullptr, this, nullptr);
    disconnect(mdi_, nullptr, this, nullptr);
    for (QMdiSubWindow* window : mdi_->subWindowList()) {
        disconnect(window, nullptr, this, nullptr);
        disconnect(window->widget(), nullptr, this, nullptr);
    }
}

// --- building --------------------------------------------------------------------------------------------

void MainWindow::createMenus() {
    const MainActions& a = actions_;
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->menuAction()->setStatusTip(tr("File related commands"));
    file->addActions({a.newFile, a.open, a.close, a.save, a.saveAs});
    file->addSeparator();
    file->addActions({a.importFile, a.exportFile});
    reopen_ = file->addMenu(tr("Reopen"));
    file->addSeparator();
    file->addAction(a.exit);

    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    edit->menuAction()->setStatusTip(tr("Edit commands"));
    edit->addActions({a.undo, a.redo});
    edit->addSeparator();
    edit->addActions({a.cut, a.copy, a.paste});
    edit->addSeparator();
    edit->addActions({a.deleteEmpty, a.duplicate, a.invertSign});
    edit->addSeparator();
    edit->addActions({a.deleteDuplicit, a.deleteRedundant, a.mergeInconsistent});

    QMenu* view = menuBar()->addMenu(tr("&View"));
    view->addActions({a.viewModifiers, a.viewBasic, a.viewSigned, a.viewUser, a.viewConnectives});

    QMenu* window = menuBar()->addMenu(tr("&Window"));
    windowMenu_ = window->menuAction();
    window->menuAction()->setStatusTip(tr("Window related commands"));
    window->addActions({a.cascade, a.tileHorizontally, a.tileVertically, a.minimizeAll, a.arrangeAll});

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->menuAction()->setStatusTip(tr("Help topics"));
    help->addActions({a.helpContents, a.about});
    for (QMenu* menu : {file, edit, view, window, help, reopen_}) clearHintOnClose(menu);
}

// The hint of the item last under the mouse would otherwise stay in the status line after its menu closed.
void MainWindow::clearHintOnClose(QMenu* menu) {
    connect(menu, &QMenu::aboutToHide, statusBar(), &QStatusBar::clearMessage, Qt::UniqueConnection);
}

void MainWindow::createToolBar() {
    const MainActions& a = actions_;
    QToolBar* bar = addToolBar(tr("Tool bar"));
    bar->setObjectName(tr("Tool bar"));
    bar->addActions({a.newFile, a.open, a.save});
    bar->addSeparator();
    bar->addActions({a.cut, a.copy, a.paste});
    bar->addSeparator();
    bar->addActions({a.cascade, a.tileHorizontally, a.tileVertically});
    bar->addSeparator();
    memory_ = new QLabel(bar);
    bar->addWidget(memory_);
}

void MainWindow::createWordToolBars() {
    wordBars_ = {addWordToolBar(WordTables::basicTerms(), actions_.viewBasic),
                 addWordToolBar(WordTables::signedBasicTerms(), actions_.viewSigned),
                 addWordToolBar(WordTables::modifiers(), actions_.viewModifiers),
                 addWordToolBar(WordTables::connectives(), actions_.viewConnectives),
                 addWordToolBar(WordTables::userTerms(), actions_.viewUser)};
}

WordToolBar* MainWindow::addWordToolBar(const WordToolBarTable& table, QAction* viewItem) {
    auto* bar = new WordToolBar(table, this);
    addToolBar(Qt::LeftToolBarArea, bar);
    bar->hide();
    connect(viewItem, &QAction::toggled, bar, &QWidget::setVisible);
    connect(bar, &QToolBar::visibilityChanged, viewItem, [this, bar, viewItem](bool) {
        // A toolbar closed while floating unchecks its item; hiding the whole window does not.
        if (isVisible()) {
            viewItem->setChecked(!bar->isHidden());
        }
    });
    connect(bar, &WordToolBar::wordChosen, this, &MainWindow::insertWord);
    return bar;
}

void MainWindow::connectActions() {
    const MainActions& a = actions_;
    connect(a.newFile, &QAction::triggered, this, &MainWindow::newRuleBase);
    connect(a.open, &QAction::triggered, this, &MainWindow::open);
    connect(a.close, &QAction::triggered, this, [this] {
        if (QMdiSubWindow* window = mdi_->currentSubWindow()) {
            window->close();
        }
    });
    connect(a.save, &QAction::triggered, this, [this] { withEditor([](InferenceUnitEditor& e) { e.save(); }); });
    connect(a.saveAs, &QAction::triggered, this, [this] { withEditor([](InferenceUnitEditor& e) { e.saveAs(); }); });
    connect(a.importFile, &QAction::triggered, this, &MainWindow::importFile);
    connect(a.exportFile, &QAction::triggered, this, &MainWindow::exportFile);
    connect(a.exit, &QAction::triggered, this, &QWidget::close);

    connect(a.undo, &QAction::triggered, this, [this] { withEditor([](InferenceUnitEditor& e) { e.rules().undo(); }); });
    connect(a.redo, &QAction::triggered, this, [this] { withEditor([](InferenceUnitEditor& e) { e.rules().redo(); }); });
    connect(a.cut, &QAction::triggered, this, [this] { withEditor([](InferenceUnitEditor& e) { e.rules().cut(); }); });
    connect(a.copy, &QAction::triggered, this, [this] { withEditor([](InferenceUnitEditor& e) { e.rules().copy(); }); });
    connect(a.paste, &QAction::triggered, this, [this] { withEditor([](InferenceUnitEditor& e) { e.rules().paste(); }); });
    const std::pair<QAction*, RuleCommand> ruleCommands[] = {
        {a.deleteEmpty, RuleCommand::deleteEmpty},         {a.duplicate, RuleCommand::duplicate},
        {a.invertSign, RuleCommand::invertSign},           {a.deleteDuplicit, RuleCommand::deleteDuplicit},
        {a.deleteRedundant, RuleCommand::deleteRedundant}, {a.mergeInconsistent, RuleCommand::mergeInconsistent}};
    for (const auto& [action, command] : ruleCommands) {
        connect(action, &QAction::triggered, this,
                [this, command] { withEditor([command](InferenceUnitEditor& e) { e.rules().run(command); }); });
    }

    connect(a.cascade, &QAction::triggered, this, [this] { WindowArranger::cascade(*mdi_); });
    connect(a.tileHorizontally, &QAction::triggered, this, [this] { WindowArranger::tileHorizontally(*mdi_); });
    connect(a.tileVertically, &QAction::triggered, this, [this] { WindowArranger::tileVertically(*mdi_); });
    connect(a.minimizeAll, &QAction::triggered, this, [this] { WindowArranger::minimizeAll(*mdi_); });
    connect(a.arrangeAll, &QAction::triggered, this, [this] { WindowArranger::arrangeIcons(*mdi_); });

    connect(a.helpContents, &QAction::triggered, this, &MainWindow::showHelp);
    connect(a.about, &QAction::triggered, this, [this] { services_.prompter.show(WorkbenchMessages::about()); });
}

template <typename Command>
void MainWindow::withEditor(Command&& command) {
    if (InferenceUnitEditor* editor = activeEditor()) {
        command(*editor);
    }
}

// --- child windows ---------------------------------------------------------------------------------------

InferenceUnitEditor* MainWindow::activeEditor() const {
    QMdiSubWindow* window = mdi_->currentSubWindow();
    return window ? qobject_cast<InferenceUnitEditor*>(window->widget()) : nullptr;
}

QList<InferenceUnitEditor*> MainWindow::editors() const {
    QList<InferenceUnitEditor*> result;
    for (QMdiSubWindow* window : mdi_->subWindowList(QMdiArea::CreationOrder)) {
        if (auto* editor = qobject_cast<InferenceUnitEditor*>(window->widget())) {
            result << editor;
        }
    }
    return result;
}

WordToolBar* MainWindow::wordToolBar(WordBar bar) const {
    return wordBars_.value(static_cast<int>(bar));
}

// An opened file takes the placement saved under its path; a new rule base the one saved under the
// editor's form caption, since it is placed before it gets its name.
InferenceUnitEditor* MainWindow::addEditor(std::unique_ptr<CRuleBase> unit, const QString& path, bool named) {
    auto* editor = new InferenceUnitEditor(std::move(unit), services_);
    QMdiSubWindow* window = mdi_->addSubWindow(editor);
    if (named) {
        editor->setFile(path, true);
    }
    const bool placed = WindowPlacement::load(*window, editor->caption(), services_.settings);
    if (!named) {
        editor->setFile(path, false);
    }
    connect(editor, &InferenceUnitEditor::modifiedChanged, this, &MainWindow::updateActions);
    connect(editor, &InferenceUnitEditor::commandStateChanged, this, &MainWindow::updateActions);
    connect(editor, &InferenceUnitEditor::userTermsChanged, this, [this, editor](const QStringList& names) {
        if (activeEditor() == editor) wordToolBar(WordBar::user)->setWords(names);
    });
    connect(editor, &InferenceUnitEditor::saved, this, [this](const QString& savedPath) {
        enterRecent(savedPath);
        updateActions();
    });
    connect(editor, &InferenceUnitEditor::testRequested, this, [this, editor] { openTestWindow(*editor); });
    editor->setFileShownElsewhere([this, editor](const QString& file) {
        const InferenceUnitEditor* shown = editorOf(file);
        return shown != nullptr && shown != editor;
    });
    connect(window, &QObject::destroyed, this, &MainWindow::childClosed, Qt::QueuedConnection);
    showChild(*window, placed);
    editor->startEditing();
    updateActions();
    return editor;
}

// The test window works on the editor's rule base; the editor keeps its controls off meanwhile and closes
// it when it closes itself.
TestWindow* MainWindow::openTestWindow(InferenceUnitEditor& editor) {
    auto* test = new TestWindow(editor.unit(), editor.fileName(),
                                {services_.prompter, services_.files, services_.settings});
    QMdiSubWindow* window = mdi_->addSubWindow(test);
    const bool placed = WindowPlacement::load(*window, test->caption(), services_.settings);
    connect(test, &TestWindow::ruleBaseChanged, &editor, &InferenceUnitEditor::showTestChanges);
    connect(window, &QObject::destroyed, this, &MainWindow::childClosed, Qt::QueuedConnection);
    editor.setTestWindow(window);
    showChild(*window, placed);
    return test;
}

void MainWindow::showChild(QMdiSubWindow& window, bool placed) {
    if (!placed) WindowArranger::placeNew(*mdi_, window);
    if (placed && window.isMaximized()) {
        window.showMaximized();
    } else {
        window.show();
    }
    mdi_->setActiveSubWindow(&window);
}

TestWindow* MainWindow::activeTestWindow() const {
    QMdiSubWindow* window = mdi_->currentSubWindow();
    return window ? qobject_cast<TestWindow*>(window->widget()) : nullptr;
}

void MainWindow::newRuleBase() {
    const auto type = services_.newRuleBase.chooseType();
    if (!type) {
        return;
    }
    addEditor(CRuleBase::Create(*type), QString::fromStdString(untitled_.next()), false);
}

void MainWindow::open() {
    const InferenceUnitEditor* current = activeEditor();
    const auto path = services_.files.openRuleBaseName(current ? current->fileName() : QString());
    if (path) {
        openPath(*path);
    }
}

// A foreign file can be large: it is read on a worker, and only the questions are asked here.
void MainWindow::importFile() {
    if (importTask_.running()) return;
    const auto path = services_.files.importFileName();
    if (!path) return;
    auto reading = std::make_shared<InterchangeTransfer::Reading>();
    actions_.importFile->setEnabled(false);
    statusBar()->showMessage(tr("Importing %1...").arg(QDir::toNativeSeparators(*path)));
    importTask_.start([reading, file = path->toStdString()](const JobControl&) { *reading = InterchangeTransfer::Read(file); },
                      [this, reading](const BackgroundTask::Ending& ending) {
                          statusBar()->clearMessage();
                          actions_.importFile->setEnabled(true);
                          if (ending.failure) {
                              services_.prompter.show({*ending.failure, "Error", PromptIcon::error});
                          } else if (auto unit = InterchangeTransfer::Present(std::move(*reading), services_.prompter)) {
                              addEditor(std::move(unit), QString::fromStdString(untitled_.next()), false);
                          }
                      });
}

void MainWindow::exportFile() {
    InferenceUnitEditor* editor = activeEditor();
    if (!editor) return;
    const CRuleBase* unit = editor->shownUnit();
    if (!unit) return;
    if (const auto target = services_.files.exportTarget(editor->fileName())) {
        InterchangeTransfer::Export(*unit, target->path.toStdString(), target->format, services_.prompter,
                                    editor->isNamed() ? editor->fileName().toStdString() : std::string());
    }
}

// Two editors of one file would each save over the other's work. Files compare by their canonical paths;
// a path that names no file (yet) by its absolute path.
InferenceUnitEditor* MainWindow::editorOf(const QString& path) const {
    const auto key = [](const QString& file) {
        const QFileInfo info(file);
        return info.exists() ? info.canonicalFilePath() : QDir::cleanPath(info.absoluteFilePath());
    };
    const QString wanted = key(path);
    for (InferenceUnitEditor* editor : editors()) {
        if (editor->isNamed() && key(editor->fileName()) == wanted) return editor;
    }
    return nullptr;
}

InferenceUnitEditor* MainWindow::openPath(const QString& chosen) {
    // Captions and the recent list hold full paths, whatever directory the program runs in later.
    const QString path = QFileInfo(chosen).absoluteFilePath();
    InferenceUnitEditor* editor = RuleBaseOpener::exists(chosen.toStdString()) ? editorOf(path) : nullptr;
    if (editor != nullptr) {
        mdi_->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(editor->parentWidget()));
    } else {
        OpenedRuleBase opened = RuleBaseOpener::open(chosen.toStdString());
        if (opened.status == OpenedRuleBase::Status::missing) {
            services_.prompter.show(*opened.failure);
            return nullptr;
        }
        if (opened.status == OpenedRuleBase::Status::broken) {
            services_.prompter.show(*opened.failure);
        } else {
            editor = addEditor(std::move(opened.unit), path, true);
        }
    }
    enterRecent(path);
    updateActions();
    return editor;
}

void MainWindow::openRecent(int index) {
    if (const auto path = recent_.path(index)) {
        openPath(QString::fromStdString(*path));
    }
}

void MainWindow::openStartupFiles() {
    const QStringList paths = std::exchange(startupFiles_, {});
    for (const QString& path : paths) {
        if (RuleBaseOpener::exists(path.toStdString())) {
            openPath(path);
        }
    }
}

bool MainWindow::closeAllChildren() {
    QSet<QMdiSubWindow*> closed;
    for (;;) {
        const QList<QMdiSubWindow*> open = mdi_->subWindowList(QMdiArea::ActivationHistoryOrder);
        QMdiSubWindow* next = mdi_->currentSubWindow();
        if (!next || !open.contains(next) || closed.contains(next)) {
            next = nullptr;
            for (auto it = open.crbegin(); it != open.crend() && !next; ++it) {
                if (!closed.contains(*it)) {
                    next = *it;
                }
            }
        }
        if (!next) {
            return true;
        }
        if (!next->close()) {
            return false;
        }
        closed.insert(next);
    }
}

// --- recent files ----------------------------------------------------------------------------------------

void MainWindow::enterRecent(const QString& path) {
    recent_.enter(path.toStdString());
    rebuildReopenMenu();
}

void MainWindow::rebuildReopenMenu() {
    reopen_->clear();
    for (const RecentEntry& entry : recent_.entries()) {
        QAction* item = reopen_->addAction(QString::fromStdString(entry.caption));
        const int index = entry.index;
        connect(item, &QAction::triggered, this, [this, index] { openRecent(index); });
    }
    reopen_->setEnabled(!reopen_->isEmpty());
}

// --- state -----------------------------------------------------------------------------------------------

void MainWindow::updateActions() {
    const InferenceUnitEditor* editor = activeEditor();
    const MainActions& a = actions_;
    a.close->setEnabled(mdi_->currentSubWindow() != nullptr);
    a.save->setEnabled(editor && editor->isModified());
    a.saveAs->setEnabled(editor != nullptr);
    a.exportFile->setEnabled(editor != nullptr);
    a.undo->setEnabled(editor && !editor->busy() && editor->rules().canUndo());
    a.redo->setEnabled(editor && !editor->busy() && editor->rules().canRedo());
    const bool clipboard = editor && editor->rules().canUseClipboard();
    for (QAction* action : {a.cut, a.copy, a.paste}) action->setEnabled(clipboard);
    const std::pair<QAction*, RuleCommand> ruleCommands[] = {
        {a.deleteEmpty, RuleCommand::deleteEmpty},         {a.duplicate, RuleCommand::duplicate},
        {a.invertSign, RuleCommand::invertSign},           {a.deleteDuplicit, RuleCommand::deleteDuplicit},
        {a.deleteRedundant, RuleCommand::deleteRedundant}, {a.mergeInconsistent, RuleCommand::mergeInconsistent}};
    for (const auto& [action, command] : ruleCommands) action->setEnabled(editor && editor->rules().canRun(command));
}

// The active editor brings its "Rules info" menu and the user terms of its current rule cell; an activated
// test window evaluates anew, since its rule base may have changed meanwhile.
void MainWindow::editorActivated() {
    if (TestWindow* test = activeTestWindow()) test->activated();
    InferenceUnitEditor* editor = activeEditor();
    showRulesInfoMenu(editor ? editor->rulesInfoMenu() : nullptr);
    wordToolBar(WordBar::user)->setWords(editor ? editor->rules().currentUserTerms() : QStringList());
    updateActions();
}

void MainWindow::showRulesInfoMenu(QMenu* menu) {
    if (rulesInfo_ == menu) return;
    if (rulesInfo_) menuBar()->removeAction(rulesInfo_->menuAction());
    rulesInfo_ = menu;
    if (menu) {
        menuBar()->insertMenu(windowMenu_, menu);
        clearHintOnClose(menu);
    }
}

// A closed editor takes its user terms off the toolbar; the last one closing leaves nothing to save.
void MainWindow::childClosed() {
    wordToolBar(WordBar::user)->setWords({});
    editorActivated();
}

void MainWindow::insertWord(const QString& word, bool moveToNext) {
    if (InferenceUnitEditor* editor = activeEditor()) {
        editor->rules().insertWord(word, moveToNext);
    }
}

void MainWindow::showHelp() {
    help_.open(this);
}

void MainWindow::refreshMemory() {
    memory_->setText(QString::number(HeapUsage::bytesInUse()));
}

// --- events ----------------------------------------------------------------------------------------------

// The command-line files open once the window first shows or is first activated, whichever comes first
// (a display without a window manager may never activate it).
bool MainWindow::event(QEvent* event) {
    const bool arriving = event->type() == QEvent::WindowActivate || event->type() == QEvent::Show;
    if (arriving && firstActivation_) {
        firstActivation_ = false;
        QTimer::singleShot(0, this, &MainWindow::openStartupFiles);
    }
    return QMainWindow::event(event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (services_.prompter.ask(WorkbenchMessages::confirmExit(), PromptButtons::yesNo) != PromptAnswer::yes ||
        !closeAllChildren()) {
        event->ignore();
        return;
    }
    WindowPlacement::save(*this, QString::fromLatin1(kCaption), services_.settings);
    event->accept();
}

}  // namespace zorv
