// Drives the test window offscreen and measures how long the event loop stalls: a 1 ms timer notes the
// longest gap between its ticks while the driver works the window like a user at 60 mouse moves a second.
//   1. grid49 (49 rules) with Simple COG: dragging the second input's slider across its axis; every move
//      evaluates, rewrites the fired rules, redraws the output curve and computes the 26-point projection.
//      Prints the longest time one move took to handle and the longest stall.
//   2. grid343 (3 inputs) with the smooth defuzzification: the same drag; the projection computes in the
//      background and each move supersedes it. Prints the longest stall and when the last curve was drawn.
//   3. grid343 with Simple COG: switching the F-transform filter on, which rebuilds it over 201^3 samples,
//      while the slider keeps moving. Prints the longest stall and when the filtered curve was drawn.
// Usage: test_window_stall [MOVES]   (default 120, two seconds of dragging)
#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <ctime>
#include <cstdlib>
#include <functional>
#include <string>

#include "app/qt/evaluation/BackgroundEvaluation.h"
#include "app/qt/testwindow/BackgroundFilterBuild.h"
#include "app/qt/testwindow/BackgroundTestEvaluation.h"
#include "app/qt/testwindow/FuzzySetInputBox.h"
#include "app/qt/testwindow/FuzzySetInputPanel.h"
#include "app/qt/surface/ImageFileDialog.h"
#include "app/qt/workbench/MessageBoxPrompter.h"
#include "app/qt/workbench/SettingsStore.h"
#include "app/qt/testwindow/TestWindow.h"
#include "inference/DefuzzificationMethodTable.h"
#include "rulebase/CRuleBase.h"

namespace {

std::string benchFile(const char* name) {
    const char* shared = std::getenv("ZORV_SHARED_DIR");
    return (shared ? std::string(shared) : std::string(ZORV_SOURCE_DIR) + "/../shared") + "/bench/" + name;
}

// Processor time of the calling thread, in milliseconds.
double threadMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

// The longest gap between two ticks of a 1 ms timer, and the most processor time the interface thread spent
// within one gap: on a machine whose cores are busy with other work a gap may also be time the thread waited
// for a core, while the time it spent is what the window itself kept the event loop from running.
class StallMeter {
public:
    StallMeter() {
        QObject::connect(&ticker_, &QTimer::timeout, [this] {
            const qint64 now = clock_.elapsed();
            const double busy = threadMilliseconds();
            longest_ = std::max(longest_, now - last_);
            longestBusy_ = std::max(longestBusy_, busy - lastBusy_);
            last_ = now;
            lastBusy_ = busy;
        });
        clock_.start();
        lastBusy_ = threadMilliseconds();
        ticker_.start(1);
    }
    qint64 longest() const { return longest_; }
    double longestBusy() const { return longestBusy_; }
    qint64 elapsed() const { return clock_.elapsed(); }

private:
    QElapsedTimer clock_;
    QTimer ticker_;
    qint64 last_ = 0;
    qint64 longest_ = 0;
    double lastBusy_ = 0;
    double longestBusy_ = 0;
};

void drag(QWidget* box, QEvent::Type type, double share) {
    const QPointF at(20 + (box->width() - 40) * share, box->height() / 2.0);
    QMouseEvent event(type, at, box->mapToGlobal(at), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(box, &event);
}

struct Figures {
    qint64 longestMove = 0;
    qint64 longestStall = 0;
    double longestBusy = 0;
    qint64 dragEnd = 0;
    qint64 lastCurve = -1;
    qint64 lastOutcome = -1;
    // How long after the last move its curve and its output were shown (-1: at once, in the foreground).
    qint64 curveDelay() const { return lastCurve < 0 ? -1 : lastCurve - dragEnd; }
    qint64 outcomeDelay() const { return lastOutcome < 0 ? -1 : lastOutcome - dragEnd; }
};

// Drags the slider of `input` from one end to the other in `moves` moves, one per 16 ms, then waits until
// the window has drawn the curve for the last place (or ten minutes have passed).
Figures dragSlider(zorv::TestWindow& window, int input, int moves, const std::function<void()>& before = {}) {
    Figures figures;
    QWidget* box = window.inputPanel(input)->box();
    StallMeter meter;
    QObject::connect(&window, &zorv::TestWindow::projectionShown, &window,
                     [&] { figures.lastCurve = meter.elapsed(); });
    QObject::connect(&window, &zorv::TestWindow::outcomeShown, &window,
                     [&] { figures.lastOutcome = meter.elapsed(); });
    if (before) before();
    int move = 0;
    QTimer driver;
    QEventLoop loop;
    const auto quitWhenDone = [&] {
        const bool working = window.projectionRun()->running() || window.filterBuild()->running() ||
                             window.outcomeRun()->busy();
        if (!working) loop.quit();
    };
    QObject::connect(&driver, &QTimer::timeout, [&] {
        QElapsedTimer handling;
        handling.start();
        const double share = static_cast<double>(move) / moves;
        drag(box, move == 0 ? QEvent::MouseButtonPress : QEvent::MouseMove, share);
        figures.longestMove = std::max(figures.longestMove, handling.elapsed());
        if (++move > moves) {
            drag(box, QEvent::MouseButtonRelease, 1.0);
            driver.stop();
            figures.dragEnd = meter.elapsed();
            figures.lastCurve = -1;
            figures.lastOutcome = -1;
            QTimer::singleShot(0, &loop, quitWhenDone);
        }
    });
    QObject::connect(&window, &zorv::TestWindow::projectionShown, &loop, [&] {
        if (!driver.isActive()) quitWhenDone();
    });
    QObject::connect(&window, &zorv::TestWindow::outcomeShown, &loop, [&] {
        if (!driver.isActive()) quitWhenDone();
    });
    QTimer::singleShot(600'000, &loop, &QEventLoop::quit);
    driver.start(16);
    loop.exec();
    figures.longestStall = meter.longest();
    figures.longestBusy = meter.longestBusy();
    return figures;
}

std::string after(qint64 delay) {
    return delay < 0 ? "at once" : std::to_string(delay) + " ms after the last move";
}

void report(const std::string& scenario, const Figures& f) {
    std::printf("%s:\n  longest move %lld ms; longest event-loop stall %lld ms, of which the interface thread "
                "worked %.1f ms;\n  last output shown %s, last curve drawn %s\n",
                scenario.c_str(), static_cast<long long>(f.longestMove), static_cast<long long>(f.longestStall),
                f.longestBusy, after(f.outcomeDelay()).c_str(), after(f.curveDelay()).c_str());
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int moves = argc > 1 ? std::max(1, std::atoi(argv[1])) : 120;
    const std::string dragged = ", " + std::to_string(moves) + " slider moves";
    zorv::MessageBoxPrompter prompter;
    zorv::ImageFileDialog names;
    QTemporaryDir scratch;
    zorv::SettingsStore settings(zorv::SettingsStore::iniFile(scratch.filePath(QStringLiteral("settings.ini"))));
    const zorv::TestWindow::Services services{prompter, names, settings};
    const auto open = [&](const char* file, int defuzzification) {
        auto unit = zorv::CRuleBase::Load(benchFile(file));
        unit->SetDefuzzificationMethod(zorv::DefuzzificationMethodTable()[static_cast<std::size_t>(defuzzification)]);
        return unit;
    };
    {
        const auto unit = open("grid49.rb", 0);
        zorv::TestWindow window(*unit, QStringLiteral("grid49.rb"), services);
        window.show();
        report("grid49, Simple COG" + dragged, dragSlider(window, 1, moves));
    }
    {
        const auto unit = open("grid343.rb", 6);
        zorv::TestWindow window(*unit, QStringLiteral("grid343.rb"), services);
        window.show();
        report("grid343, smooth defuzzification" + dragged, dragSlider(window, 1, moves));
    }
    {
        const auto unit = open("grid343.rb", 0);
        zorv::TestWindow window(*unit, QStringLiteral("grid343.rb"), services);
        window.show();
        report("grid343, Simple COG, filter (201^3 samples) switched on" + dragged,
               dragSlider(window, 1, moves, [&] { window.filterBox()->setChecked(true); }));
    }
    return 0;
}
