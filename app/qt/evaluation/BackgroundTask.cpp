#include "app/qt/evaluation/BackgroundTask.h"

#include <QtConcurrent/QtConcurrentRun>
#include <atomic>
#include <exception>
#include <stop_token>

namespace zorv {

namespace {

// How often the progress of the worker is looked at.
constexpr int kPollMilliseconds = 40;

}  // namespace

struct BackgroundTask::State {
    std::atomic<int> done{0};
    std::atomic<int> total{0};
    std::stop_source stop;
    std::optional<std::string> failure;  // written by the worker, read once it has returned
};

BackgroundTask::BackgroundTask(QObject* parent) : QObject(parent) {
    pool_.setMaxThreadCount(1);
    connect(&timer_, &QTimer::timeout, this, &BackgroundTask::poll);
    connect(&watcher_, &QFutureWatcher<void>::finished, this, &BackgroundTask::ended);
}

BackgroundTask::~BackgroundTask() { stop(); }

bool BackgroundTask::start(Work work, Then then) {
    if (running()) return false;
    state_ = std::make_shared<State>();
    then_ = std::move(then);
    watcher_.setFuture(QtConcurrent::run(&pool_, [state = state_, work = std::move(work)] {
        const JobControl control{[&state](int done, int total) {
                                     state->total = total;
                                     state->done = done;
                                 },
                                 state->stop.get_token()};
        try {
            work(control);
        } catch (const std::exception& failure) {
            state->failure = failure.what();
        } catch (...) {
            state->failure = "unexpected failure";
        }
    }));
    timer_.start(kPollMilliseconds);
    return true;
}

void BackgroundTask::cancel() {
    if (state_) state_->stop.request_stop();
}

void BackgroundTask::stop() {
    if (!state_) return;
    state_->stop.request_stop();
    then_ = nullptr;
    watcher_.waitForFinished();
    timer_.stop();
    state_.reset();
}

void BackgroundTask::poll() {
    if (state_) emit progressed(state_->done.load(), state_->total.load());
}

void BackgroundTask::ended() {
    if (!state_) return;  // stopped and waited for
    timer_.stop();
    poll();
    const Ending ending{state_->stop.stop_requested(), std::move(state_->failure)};
    state_.reset();
    const Then then = std::move(then_);
    then_ = nullptr;
    if (then) then(ending);
}

}  // namespace zorv
