// The "Input / Output" tab of the real editor on the offscreen platform, with the million-row data file of
// examples/heater.rb (bench/HeaterDataFile.h): "Import file...", then "Compute" on every core, then Compute
// once more, cancelled after a fifth of a second, then scrolling through the table.
// A 1 ms heartbeat timer measures how long the interface thread was away: "*_block_ms" is the longest gap
// between two beats (less the beat) while the command ran, "*_block_cpu_ms" the most processor time the
// interface thread spent between two beats (the same, without the time other processes took from it on a
// busy machine). "*_s" is how long the command took, "cancel_ms" how long the tab took to be free again
// after Cancel, "kept_rows" the rows the cancelled Compute kept, "scroll_frame_ms" the longest of 200 jumps
// to random places of the table, each repainted at once, and "peak_MB" the process's peak resident memory.
#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QTimer>
#include <ctime>
#include <functional>
#include <random>

#include "app/core/data/DataTable.h"
#include "bench/qt/QtBenchSupport.h"
#include "app/qt/data/EditorDataTab.h"
#include "app/qt/editor/EditorProgress.h"
#include "app/qt/editor/InferenceUnitEditor.h"
#include "bench/HeaterDataFile.h"
#include "rulebase/CRuleBase.h"
#include "tests/app/qt/WorkbenchTestServices.h"

namespace {

using namespace zorv;
using bench::Application;
using bench::ThreadCpuMs;

// How long the interface thread was away at most while a command ran, and how long the command took.
struct Watch {
    double seconds = 0.0;
    double longestMs = 0.0;
    double longestCpuMs = 0.0;
};

// Starts a command and runs the event loop, with the heartbeat, until the tab is free again; `during` runs
// once, `after` ms into the command.
Watch RunCommand(EditorDataTab& tab, const std::function<void()>& command, int after = -1,
                 const std::function<void()>& during = {}) {
    QElapsedTimer clock;
    qint64 last = 0;
    Watch watch;
    double lastCpu = ThreadCpuMs();
    QTimer beat;
    beat.setTimerType(Qt::PreciseTimer);
    beat.setInterval(1);
    QObject::connect(&beat, &QTimer::timeout, [&] {
        const qint64 now = clock.elapsed();
        watch.longestMs = std::max(watch.longestMs, static_cast<double>(now - last - 1));
        last = now;
        const double cpu = ThreadCpuMs();
        watch.longestCpuMs = std::max(watch.longestCpuMs, cpu - lastCpu);
        lastCpu = cpu;
    });
    QEventLoop loop;
    QTimer done;
    QObject::connect(&done, &QTimer::timeout, [&] {
        if (!tab.running()) loop.quit();
    });
    if (during) QTimer::singleShot(after, &loop, during);
    clock.start();
    beat.start();
    command();
    done.start(5);
    loop.exec();
    beat.stop();
    watch.seconds = static_cast<double>(clock.elapsed()) / 1000.0;
    return watch;
}

double ScrollFrameMs(QTableView& view) {
    std::mt19937 random(3);
    QScrollBar* bar = view.verticalScrollBar();
    std::uniform_int_distribution<int> place(0, bar->maximum());
    double longest = 0.0;
    for (int i = 0; i < 200; ++i) {
        QElapsedTimer clock;
        clock.start();
        bar->setValue(place(random));
        view.viewport()->repaint();
        longest = std::max(longest, static_cast<double>(clock.nsecsElapsed()) / 1e6);
    }
    return longest;
}

void BM_DataWindow(benchmark::State& state) {
    Application();
    const auto data = QString::fromStdString(bench::HeaterDataFile().string());
    for (auto _ : state) {
        test::TestWorkbench workbench;
        InferenceUnitEditor editor(CRuleBase::Load(std::string(ZORV_SOURCE_DIR) + "/examples/heater.rb"),
                                   workbench.services());
        editor.resize(1000, 700);
        editor.show();
        editor.startEditing();
        EditorDataTab& tab = *editor.dataTab();
        editor.tabs()->setCurrentWidget(&tab);
        workbench.files.dataAnswers.push_back(data);

        const Watch import = RunCommand(tab, [&] { tab.importFile(); });
        const Watch compute = RunCommand(tab, [&] { tab.compute(); });
        QElapsedTimer sinceCancel;
        const Watch cancelled = RunCommand(tab, [&] { tab.compute(); }, 200, [&] {
            sinceCancel.start();
            editor.progress()->cancelButton()->click();
        });
        const double cancelMs = static_cast<double>(sinceCancel.elapsed());
        int kept = 0;
        while (kept < tab.table().Grid().DataRowCount() &&
               !tab.table().Grid().Cell(DataGrid::kHeaderRows + kept, tab.table().Layout().OutputColumn(0)).empty()) {
            ++kept;
        }

        state.counters["rows"] = tab.table().Grid().DataRowCount();
        state.counters["import_s"] = import.seconds;
        state.counters["import_block_ms"] = import.longestMs;
        state.counters["import_block_cpu_ms"] = import.longestCpuMs;
        state.counters["compute_s"] = compute.seconds;
        state.counters["compute_block_ms"] = compute.longestMs;
        state.counters["compute_block_cpu_ms"] = compute.longestCpuMs;
        state.counters["cancel_block_ms"] = cancelled.longestMs;
        state.counters["cancel_ms"] = cancelMs;
        state.counters["kept_rows"] = kept;
        state.counters["scroll_frame_ms"] = ScrollFrameMs(*tab.view());
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        state.counters["peak_MB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
    }
}
BENCHMARK(BM_DataWindow)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
