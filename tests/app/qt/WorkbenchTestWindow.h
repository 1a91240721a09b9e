#pragma once

#include <QTest>
#include <memory>

#include "WorkbenchTestServices.h"
#include "app/qt/MainWindow.h"

namespace zorv::test {

// A main window over the bench's fakes, shown; null when it did not come on the screen.
inline std::unique_ptr<MainWindow> shownMainWindow(TestWorkbench& bench) {
    auto window = std::make_unique<MainWindow>(bench.services());
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get())) return nullptr;
    return window;
}

}  // namespace zorv::test
