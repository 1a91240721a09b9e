#include "app/qt/BackgroundTestEvaluation.h"

#include <QtConcurrent/QtConcurrentRun>

#include "app/core/TestEvaluation.h"
#include "inference/compiled/Workspace.h"

namespace zorv {

BackgroundTestEvaluation::BackgroundTestEvaluation(QObject* parent) : QObject(parent) {
    pool_.setMaxThreadCount(1);
    connect(&watcher_, &QFutureWatcher<TestOutcome>::finished, this, &BackgroundTestEvaluation::done);
}

BackgroundTestEvaluation::~BackgroundTestEvaluation() {
    watcher_.disconnect(this);
    watcher_.waitForFinished();
}

void BackgroundTestEvaluation::request(std::shared_ptr<const CompiledRuleBase> compiled, std::vector<double> inputs) {
    Request request{std::move(compiled), std::move(inputs)};
    if (watcher_.isRunning()) {
        waiting_ = std::move(request);
        awaited_ = false;
    } else {
        launch(std::move(request));
    }
}

void BackgroundTestEvaluation::drop() {
    waiting_.reset();
    awaited_ = false;
}

void BackgroundTestEvaluation::launch(Request request) {
    awaited_ = true;
    // The snapshot is immutable and the workspace the worker's own.
    watcher_.setFuture(QtConcurrent::run(&pool_, [request = std::move(request)] {
        Workspace workspace;
        return TestEvaluation::Run(*request.compiled, request.inputs, workspace);
    }));
}

void BackgroundTestEvaluation::done() {
    const bool awaited = std::exchange(awaited_, false);
    const TestOutcome outcome = watcher_.result();
    if (waiting_) {
        Request next = std::move(*waiting_);
        waiting_.reset();
        launch(std::move(next));
    } else if (awaited) {
        Q_EMIT evaluated(outcome);
    }
}

}  // namespace zorv
