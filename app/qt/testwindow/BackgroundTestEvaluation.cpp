#include "app/qt/testwindow/BackgroundTestEvaluation.h"

#include <QtConcurrent/QtConcurrentRun>

#include "app/core/testwindow/TestEvaluation.h"
#include "inference/EStopped.h"
#include "inference/compiled/Workspace.h"

namespace zorv {

BackgroundTestEvaluation::BackgroundTestEvaluation(QObject* parent) : QObject(parent) {
    pool_.setMaxThreadCount(1);
    connect(&watcher_, &QFutureWatcherBase::finished, this, &BackgroundTestEvaluation::done);
}

BackgroundTestEvaluation::~BackgroundTestEvaluation() {
    watcher_.disconnect(this);
    stop_.request_stop();
    watcher_.waitForFinished();
}

void BackgroundTestEvaluation::request(std::shared_ptr<const CompiledRuleBase> compiled, std::vector<double> inputs) {
    Request request{std::move(compiled), std::move(inputs)};
    if (watcher_.isRunning()) {
        stop_.request_stop();
        waiting_ = std::move(request);
        awaited_ = false;
    } else {
        launch(std::move(request));
    }
}

void BackgroundTestEvaluation::drop() {
    stop_.request_stop();
    waiting_.reset();
    awaited_ = false;
}

void BackgroundTestEvaluation::launch(Request request) {
    awaited_ = true;
    stop_ = std::stop_source();
    // The snapshot is immutable and the workspace the worker's own.
    auto evaluation = [request = std::move(request), stop = stop_.get_token()]() -> std::optional<TestOutcome> {
        Workspace workspace;
        workspace.stop = stop;
        try {
            return TestEvaluation::Run(*request.compiled, request.inputs, workspace);
        } catch (const EStopped&) {
            return std::nullopt;
        }
    };
    watcher_.setFuture(QtConcurrent::run(&pool_, std::move(evaluation)));
}

void BackgroundTestEvaluation::done() {
    const bool awaited = std::exchange(awaited_, false);
    const std::optional<TestOutcome> outcome = watcher_.result();
    if (waiting_) {
        Request next = std::move(*waiting_);
        waiting_.reset();
        launch(std::move(next));
    } else if (awaited && outcome) {
        Q_EMIT evaluated(*outcome);
    }
}

}  // namespace zorv
