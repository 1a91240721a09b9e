#pragma once

#include <QSize>
#include <QString>
#include <functional>
#include <memory>

#include "tests/app/qt/WorkbenchTestServices.h"

namespace zorv {

class InferenceUnitEditor;
class MainWindow;

// Where the screenshots are taken: a main window of the workbench on the shipped examples, with
// settings in a temporary file and boxes and file dialogs answered silently, so that nothing of the
// user's own settings shows or changes.
class ScreenshotStage {
public:
    ScreenshotStage();
    ~ScreenshotStage();

    MainWindow& mainWindow() { return *main_; }
    // Opens examples/NAME in the main window, its caption showing the path within the sources.
    InferenceUnitEditor& openExample(const QString& name);
    // The child window of the main window that holds the editor, at the given size for a picture of its own.
    QWidget& editorWindow(InferenceUnitEditor& editor, QSize size);

    // Runs the event loop until done() holds or the time is up; false then.
    static bool waitFor(const std::function<bool()>& done, int milliseconds = 20000);
    // Lets the windows lay themselves out and paint.
    static void settle();

    Prompter& prompter() { return workbench_.prompter; }
    // The answers of the file dialogs (queues; empty: cancelled).
    test::ScriptedFileNames& files() { return workbench_.files; }
    // What the windows told the user while the pictures were taken (a picture may show a surprise).
    const std::vector<PromptMessage>& messages() const { return workbench_.prompter.shown; }
    // Forgets the messages so far: those a picture's making expects.
    void forgetMessages() { workbench_.prompter.shown.clear(); }

private:
    test::TestWorkbench workbench_;
    std::unique_ptr<MainWindow> main_;
};

}  // namespace zorv
