// Opens the surface window offscreen on the 49-rule benchmark rule base with the smooth defuzzification
// and a 70 x 70 grid, and measures how long the event loop stalls while the grid computes: a 1 ms timer
// notes the longest gap between its ticks. Prints the gap and the time to the finished net.
// Usage: surface_window_stall [UNIT_STEPS]   (default 25, as the test window sets it)
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/qt/surface/ImageFileDialog.h"
#include "app/qt/workbench/MessageBoxPrompter.h"
#include "app/qt/surface/SurfaceView.h"
#include "app/qt/surface/SurfaceWindow.h"
#include "inference/DefuzzificationMethodTable.h"
#include "rulebase/CRuleBase.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const char* shared = std::getenv("ZORV_SHARED_DIR");
    const std::string file = shared ? std::string(shared) + "/bench/grid49.rb"
                                    : std::string(ZORV_SOURCE_DIR) + "/../shared/bench/grid49.rb";
    const auto unit = zorv::CRuleBase::Load(file);
    unit->SetDefuzzificationMethod(zorv::DefuzzificationMethodTable()[6]);
    unit->SetSteps(argc > 1 ? std::atoi(argv[1]) : 25);

    zorv::MessageBoxPrompter prompter;
    zorv::ImageFileDialog names;
    auto* window = new zorv::SurfaceWindow(*unit, {0.5, 0.5}, QStringLiteral("grid49.rb - Test"), {prompter, names});
    window->show();
    QElapsedTimer clock;
    qint64 last = 0;
    qint64 longest = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        const qint64 now = clock.elapsed();
        longest = std::max(longest, now - last);
        last = now;
    });
    QObject::connect(window, &zorv::SurfaceWindow::computed, [&] {
        if (window->view()->net().Rows() != 70) return;
        std::printf("70 x 70 smooth surface (unit steps %d): ready after %lld ms, longest event-loop stall %lld ms\n",
                    unit->Steps(), static_cast<long long>(clock.elapsed()), static_cast<long long>(longest));
        app.quit();
    });
    const int last70 = zorv::SurfaceChoice::kMaxSteps - zorv::SurfaceChoice::kMinSteps;
    window->stepsList()->setCurrentIndex(last70);
    clock.start();
    ticker.start(1);
    Q_EMIT window->stepsList()->activated(last70);  // supersedes the 10-step grid computed at opening
    return app.exec();
}
