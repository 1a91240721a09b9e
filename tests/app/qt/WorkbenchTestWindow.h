#pragma once

#include <QApplication>
#include <QDir>
#include <QTest>
#include <memory>

#include "tests/app/qt/WorkbenchTestServices.h"
#include "app/qt/workbench/ApplicationSetup.h"
#include "app/qt/workbench/MainWindow.h"

namespace zorv::test {

// A main window over the bench's fakes, shown; null when it did not come on the screen.
inline std::unique_ptr<MainWindow> shownMainWindow(TestWorkbench& bench) {
    auto window = std::make_unique<MainWindow>(bench.services());
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get())) return nullptr;
    return window;
}

// A test class whose every test function starts with a fresh bench of fakes and a main window over it,
// shown and active, in the bench's folder (the test window writes its scratch file in the current one);
// all goes when the function ends.
class MainWindowFixture : public QObject {
    Q_OBJECT

protected:
    std::unique_ptr<TestWorkbench> bench;
    std::unique_ptr<MainWindow> window;

    RecordingPrompter& prompter() { return bench->prompter; }

private:
    QString startDirectory_;

private Q_SLOTS:
    void initTestCase() { ApplicationSetup::apply(); }

    void init() {
        bench = std::make_unique<TestWorkbench>();
        startDirectory_ = QDir::currentPath();
        QDir::setCurrent(bench->dir.path());
        window = shownMainWindow(*bench);
        QVERIFY(window);
        QApplication::setActiveWindow(window.get());
    }

    void cleanup() {
        window.reset();
        QDir::setCurrent(startDirectory_);
        bench.reset();
    }
};

}  // namespace zorv::test
