#pragma once

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
// shown; both go when the function ends.
class MainWindowFixture : public QObject {
    Q_OBJECT

protected:
    std::unique_ptr<TestWorkbench> bench;
    std::unique_ptr<MainWindow> window;

private Q_SLOTS:
    void initTestCase() { ApplicationSetup::apply(); }

    void init() {
        bench = std::make_unique<TestWorkbench>();
        window = shownMainWindow(*bench);
        QVERIFY(window);
    }

    void cleanup() {
        window.reset();
        bench.reset();
    }
};

}  // namespace zorv::test
