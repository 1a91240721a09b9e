#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <memory>

#include "app/core/files/RecentFiles.h"
#include "app/core/files/UntitledNames.h"
#include "app/qt/evaluation/BackgroundTask.h"
#include "app/qt/workbench/HelpContents.h"
#include "app/qt/workbench/MainActions.h"
#include "app/qt/workbench/WorkbenchServices.h"

class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;

namespace zorv {

class CRuleBase;
class InferenceUnitEditor;
class TestWindow;
class WordToolBar;
struct WordToolBarTable;

// The frame of the workbench ("Zorvix"): one child window per open rule base in a QMdiArea, the menus,
// the tool bar with the memory label, the word toolbars, the recent files and the status line.
class MainWindow final : public QMainWindow {
    Q_OBJECT

public:
    static constexpr const char* kCaption = "Zorvix";
    enum class WordBar { basic, signedBasic, modifiers, connectives, user };

    explicit MainWindow(WorkbenchServices services, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Files to open at the first activation (command-line arguments); missing ones are skipped silently.
    void setStartupFiles(const QStringList& paths) { startupFiles_ = paths; }
    void openStartupFiles();

    void newRuleBase();
    void open();
    // File > Import...: a FIS, FCL or FLL file as a new, unnamed editor.
    void importFile();
    // File > Export...: the active editor's rule base as FLL, FIS, FCL or C.
    void exportFile();
    // Opens path in a new editor, or shows why it cannot ("File not found: ", "Syntax error"). A file that an
    // editor already shows is not read again: that editor is activated. Paths that exist are entered into
    // the recent files either way. Returns the editor, or null.
    InferenceUnitEditor* openPath(const QString& path);
    // Opens the recent file stored under index.
    void openRecent(int index);
    // Closes every child window, the active one first; false when one refuses.
    bool closeAllChildren();

    InferenceUnitEditor* activeEditor() const;
    TestWindow* activeTestWindow() const;
    // Opens a test window on the editor's rule base ("&Test").
    TestWindow* openTestWindow(InferenceUnitEditor& editor);
    QList<InferenceUnitEditor*> editors() const;
    QMdiArea* mdiArea() const { return mdi_; }
    const MainActions& actions() const { return actions_; }
    QMenu* reopenMenu() const { return reopen_; }
    QLabel* memoryLabel() const { return memory_; }
    WordToolBar* wordToolBar(WordBar bar) const;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    // None: the View menu shows and hides the toolbars, and a right click on a word button is its own.
    QMenu* createPopupMenu() override { return nullptr; }

private:
    void createMenus();
    void createToolBar();
    void createWordToolBars();
    void connectActions();
    WordToolBar* addWordToolBar(const WordToolBarTable& table, QAction* viewItem);

    InferenceUnitEditor* addEditor(std::unique_ptr<CRuleBase> unit, const QString& path, bool named);
    void showChild(QMdiSubWindow& window, bool placed);
    void enterRecent(const QString& path);
    void rebuildReopenMenu();
    void updateActions();
    void editorActivated();
    void showRulesInfoMenu(QMenu* menu);
    void clearHintOnClose(QMenu* menu);
    InferenceUnitEditor* editorOf(const QString& path) const;
    void childClosed();
    void insertWord(const QString& word, bool moveToNext);
    void showHelp();
    void refreshMemory();
    template <typename Command>
    void withEditor(Command&& command);

    WorkbenchServices services_;
    MainActions actions_;
    HelpContents help_;
    RecentFiles recent_;
    UntitledNames untitled_;
    QMdiArea* mdi_;
    QMenu* reopen_ = nullptr;
    QAction* windowMenu_ = nullptr;
    QPointer<QMenu> rulesInfo_;
    QLabel* memory_ = nullptr;
    QTimer memoryTimer_;
    QList<WordToolBar*> wordBars_;
    QStringList startupFiles_;
    bool firstActivation_ = true;
    BackgroundTask importTask_;  // last: it stops (and waits for) a reading in progress before the rest goes
};

}  // namespace zorv
