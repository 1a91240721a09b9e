#pragma once

#include <QFutureWatcher>
#include <QObject>
#include <QThreadPool>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "app/core/evaluation/JobControl.h"

namespace zorv {

// Runs one long operation of a window at a time on a worker, so that the interface thread stays free: the
// operation gets a JobControl whose progress is looked at a few times a second (progressed) and whose stop
// request is set by cancel(). When the operation has returned, the step given with it runs on this thread.
//
// The worker runs on a pool of its own, not on the application's global pool: Qt's raster painting hands
// parts of its work to the global pool and waits for them, so long work there would hold up every repaint.
class BackgroundTask final : public QObject {
    Q_OBJECT

public:
    using Work = std::function<void(const JobControl& control)>;
    // How the operation ended: whether a stop was requested (the operation's own result tells whether it
    // stopped before its end) and the message of an exception that escaped it.
    struct Ending {
        bool stopRequested = false;
        std::optional<std::string> failure;
    };
    using Then = std::function<void(const Ending& ending)>;

    explicit BackgroundTask(QObject* parent = nullptr);
    // Stops the operation in progress and waits for it.
    ~BackgroundTask() override;

    // Starts work on the worker; then follows on this thread once work has returned. Refused (false) while
    // another operation runs.
    bool start(Work work, Then then);
    // Asks the operation to stop; its `then` follows as usual.
    void cancel();
    // Asks the operation to stop and waits for it; its `then` is dropped.
    void stop();
    bool running() const { return state_ != nullptr; }

signals:
    void progressed(int done, int total);

private:
    struct State;

    void poll();
    void ended();

    QThreadPool pool_;
    QFutureWatcher<void> watcher_;
    QTimer timer_;
    std::shared_ptr<State> state_;
    Then then_;
};

}  // namespace zorv
