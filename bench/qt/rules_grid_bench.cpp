// The rules grid on a rule base of 2,401 rules (four inputs with seven terms each, one output):
// - the interface thread's share of the analysis display (committing the grid to the rule base and
//   preparing the analysis job, with no work per row) and the analysis itself (describing the rows and
//   analysing them), which runs on the thread pool;
// - typing in the grid of the real editor on the offscreen platform: twenty expressions typed at 25 keys a
//   second, each followed by a pause in which the analysis runs and its result is shown. A 1 ms heartbeat
//   timer measures how long the interface thread was away: "longest_block_ms" is the longest gap between
//   two beats (less the beat), "longest_block_cpu_ms" the most processor time the interface thread spent
//   between two beats (the same, without the time other processes took from it on a busy machine), "keys"
//   the keys typed.
#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QTabWidget>
#include <QTimer>
#include <ctime>
#include <memory>

#include "app/core/rules/RuleGridAnalysis.h"
#include "app/core/rules/RulesGrid.h"
#include "bench/qt/QtBenchSupport.h"
#include "app/qt/rules/EditorRulesTab.h"
#include "app/qt/editor/InferenceUnitEditor.h"
#include "rulebase/CRuleBase.h"
#include "tests/app/qt/WorkbenchTestServices.h"
#include "tests/support/TestUnits.h"

namespace {

using namespace zorv;
using bench::Application;
using bench::ThreadCpuMs;

constexpr const char* kTerms[] = {"ex sm", "sm", "ml sm", "me", "ml bi", "bi", "ex bi"};
constexpr int kTermCount = 7;

// Inputs x1 to x4 and output y, all <0, 1> at 301 points.
std::unique_ptr<CRuleBase> GridUnit() {
    std::vector<RuleRow> rows;
    for (int a = 0; a < kTermCount; ++a)
        for (int b = 0; b < kTermCount; ++b)
            for (int c = 0; c < kTermCount; ++c)
                for (int d = 0; d < kTermCount; ++d) {
                    rows.emplace_back(true, std::vector<std::string>{kTerms[a], kTerms[b], kTerms[c], kTerms[d],
                                                                     kTerms[(a + b + c + d) / 4]});
                }
    const test::VariableLayout layout(0.0, 1.0, 301);
    return test::MakeUnit(DescriptionType::linguistic, {layout, layout, layout, layout}, layout, rows);
}

// The benchmark rule base shown in a grid.
struct FilledGrid {
    FilledGrid() { grid.fill(); }
    std::unique_ptr<CRuleBase> unit = GridUnit();
    RulesGrid grid{*unit};
};

// A commit after an edit (one cell alternates between two texts), which hands every rule over.
void BM_GridCommit(benchmark::State& state) {
    FilledGrid filled;
    bool big = false;
    for (auto _ : state) {
        filled.grid.setText(0, 1, (big = !big) ? "bi" : "ex sm");
        filled.grid.commitTo(*filled.unit);
    }
}
BENCHMARK(BM_GridCommit)->Unit(benchmark::kMillisecond);

void BM_GridAnalysisSnapshot(benchmark::State& state) {
    FilledGrid filled;
    for (auto _ : state) benchmark::DoNotOptimize(RuleGridAnalysis::prepare(filled.grid));
}
BENCHMARK(BM_GridAnalysisSnapshot)->Unit(benchmark::kMillisecond);

void BM_GridAnalysisCompute(benchmark::State& state) {
    FilledGrid filled;
    const RuleTable table = RuleGridAnalysis::snapshot(filled.grid);
    for (auto _ : state) benchmark::DoNotOptimize(RuleGridAnalysis::compute(table, {}));
}
BENCHMARK(BM_GridAnalysisCompute)->Unit(benchmark::kMillisecond);

// Posts the keys of a text to the focused widget, one every keyMs, starting at start ms.
int ScheduleTyping(QObject& owner, const QString& text, int start, int keyMs) {
    int at = start;
    QTimer::singleShot(at, &owner, [] {
        QKeyEvent all(QEvent::KeyPress, Qt::Key_A, Qt::ControlModifier);
        if (QWidget* focus = QApplication::focusWidget()) QApplication::sendEvent(focus, &all);
    });
    for (const QChar c : text) {
        at += keyMs;
        QTimer::singleShot(at, &owner, [c] {
            const int key = c == QLatin1Char(' ') ? Qt::Key_Space : Qt::Key_A + (c.toLatin1() - 'a');
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
            QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(c));
            if (QWidget* focus = QApplication::focusWidget()) {
                QApplication::sendEvent(focus, &press);
                QApplication::sendEvent(focus, &release);
            }
        });
    }
    return at;
}

void BM_TypingInGrid(benchmark::State& state) {
    QApplication& application = Application();
    constexpr int kKeyMs = 40;
    constexpr int kPauseMs = 500;
    const QStringList words = {"ve sm", "ml bi", "me", "ex bi", "sm or me", "bi", "ra sm", "ml me", "ve bi", "sm"};
    for (auto _ : state) {
        test::TestWorkbench bench;
        InferenceUnitEditor editor(GridUnit(), bench.services());
        editor.resize(1100, 700);
        editor.show();
        editor.startEditing();
        editor.tabs()->setCurrentWidget(editor.rulesTab());
        RulesTableView* view = editor.rulesTab()->view();
        view->setFocus();
        view->setCurrentIndex(view->model()->index(1200, 2));
        view->editCurrent();
        while (editor.rulesTab()->analysisPending()) application.processEvents(QEventLoop::AllEvents, 50);

        QObject owner;
        QElapsedTimer clock;
        qint64 last = 0;
        qint64 longest = 0;
        double lastCpu = ThreadCpuMs();
        double longestCpu = 0.0;
        QTimer beat;
        beat.setTimerType(Qt::PreciseTimer);
        beat.setInterval(1);
        QObject::connect(&beat, &QTimer::timeout, &owner, [&] {
            const qint64 now = clock.elapsed();
            longest = std::max(longest, now - last);
            last = now;
            const double cpu = ThreadCpuMs();
            longestCpu = std::max(longestCpu, cpu - lastCpu);
            lastCpu = cpu;
        });
        int at = 0;
        int keys = 0;
        for (int round = 0; round < 2; ++round) {
            for (const QString& word : words) {
                at = ScheduleTyping(owner, word, at, kKeyMs) + kPauseMs;
                keys += static_cast<int>(word.size());
            }
        }
        QEventLoop loop;
        QTimer::singleShot(at, &loop, &QEventLoop::quit);
        clock.start();
        lastCpu = ThreadCpuMs();
        beat.start();
        loop.exec();
        beat.stop();
        state.counters["longest_block_ms"] = static_cast<double>(std::max<qint64>(longest - 1, 0));
        state.counters["longest_block_cpu_ms"] = longestCpu;
        state.counters["keys"] = keys;
    }
}
BENCHMARK(BM_TypingInGrid)->Iterations(1)->Unit(benchmark::kMillisecond);

// A rule base of a million rules, as learning from a large data table may leave it: two inputs and one
// output over the seven terms, every combination repeated.
std::unique_ptr<CRuleBase> MillionUnit() {
    std::vector<RuleRow> rows;
    rows.reserve(1'000'000);
    for (int i = 0; i < 1'000'000; ++i) {
        rows.emplace_back(true, std::vector<std::string>{kTerms[i % kTermCount], kTerms[i / kTermCount % kTermCount],
                                                         kTerms[(i / 49) % kTermCount]});
    }
    const test::VariableLayout layout(0.0, 1.0, 301);
    return test::MakeUnit(DescriptionType::linguistic, {layout, layout}, layout, rows);
}

// Opening the Rules tab of that rule base in the real editor, then the three seconds after (in which the
// analysis display runs): "open_ms" is how long the tab took to show, "longest_block_ms" and
// "longest_block_cpu_ms" the interface thread's longest absence as above, "peak_MB" the process's peak
// resident memory.
void BM_OpenRulesTabOfAMillionRules(benchmark::State& state) {
    QApplication& application = Application();
    for (auto _ : state) {
        test::TestWorkbench bench;
        InferenceUnitEditor editor(MillionUnit(), bench.services());
        editor.resize(1100, 700);
        editor.show();
        editor.startEditing();
        application.processEvents();

        QObject owner;
        QElapsedTimer clock;
        qint64 last = 0;
        qint64 longest = 0;
        double lastCpu = ThreadCpuMs();
        double longestCpu = 0.0;
        QTimer beat;
        beat.setTimerType(Qt::PreciseTimer);
        beat.setInterval(1);
        QObject::connect(&beat, &QTimer::timeout, &owner, [&] {
            const qint64 now = clock.elapsed();
            longest = std::max(longest, now - last);
            last = now;
            const double cpu = ThreadCpuMs();
            longestCpu = std::max(longestCpu, cpu - lastCpu);
            lastCpu = cpu;
        });
        qint64 opened = 0;
        QTimer::singleShot(10, &owner, [&] {
            const qint64 start = clock.elapsed();
            editor.tabs()->setCurrentWidget(editor.rulesTab());
            opened = clock.elapsed() - start;
        });
        QEventLoop loop;
        QTimer::singleShot(3000, &loop, &QEventLoop::quit);
        clock.start();
        lastCpu = ThreadCpuMs();
        beat.start();
        loop.exec();
        beat.stop();
        state.counters["open_ms"] = static_cast<double>(opened);
        state.counters["longest_block_ms"] = static_cast<double>(std::max<qint64>(longest - 1, 0));
        state.counters["longest_block_cpu_ms"] = longestCpu;
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        state.counters["peak_MB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
    }
}
BENCHMARK(BM_OpenRulesTabOfAMillionRules)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
