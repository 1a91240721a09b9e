#pragma once

// What the workbench's benchmarks share: the application on the offscreen platform, and the processor
// time of the calling thread, with which a heartbeat tells the interface thread's own work from the time
// other processes took from it.
#include <QApplication>
#include <ctime>

#include "app/qt/workbench/ApplicationSetup.h"

namespace zorv::bench {

inline double ThreadCpuMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

inline QApplication& Application() {
    static int argc = 1;
    static char name[] = "zorv_bench";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Never destroyed: a QApplication that outlives main() is torn down among the exit handlers, after
    // parts of Qt it still needs, and the benchmark would end with a crash after its figures.
    static QApplication* const application = new QApplication(argc, argv);
    ApplicationSetup::apply();
    return *application;
}

}  // namespace zorv::bench
