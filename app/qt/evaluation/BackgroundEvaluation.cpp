#include "app/qt/evaluation/BackgroundEvaluation.h"

#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>
#include <algorithm>
#include <chrono>

namespace zorv {

namespace {

// How often the progress of pool workers is looked at.
constexpr int kPollMilliseconds = 30;

}  // namespace

BackgroundEvaluation::BackgroundEvaluation(QObject* parent) : QObject(parent) {
    connect(&timer_, &QTimer::timeout, this, &BackgroundEvaluation::tick);
}

BackgroundEvaluation::~BackgroundEvaluation() {
    if (run_) run_->Cancel();
    retireWorkers();
    for (QFuture<void>& worker : retired_) worker.waitForFinished();
}

void BackgroundEvaluation::start(PointBatch points, std::shared_ptr<const EvaluatorSource> source) {
    if (run_) run_->Cancel();
    retireWorkers();
    run_ = std::make_shared<BatchRun>(std::move(points));
    source_ = std::move(source);
    const int workers = std::min({source_->Concurrency(), pool_.maxThreadCount(),
                                  static_cast<int>(run_->Total())});
    if (workers > 1) {
        for (int w = 0; w < workers; ++w) {
            std::shared_ptr<PointEvaluator> evaluator = source_->NewEvaluator();
            // The worker keeps the run and the source alive until it returns, even when superseded.
            workers_.push_back(
                QtConcurrent::run(&pool_, [run = run_, source = source_, evaluator] { run->Work(*evaluator); }));
        }
        timer_.start(kPollMilliseconds);
    } else {
        timer_.start(0);
    }
}

void BackgroundEvaluation::cancel() {
    if (!run_) return;
    run_->Cancel();
    retireWorkers();
    finish();
}

void BackgroundEvaluation::tick() {
    if (!run_) return;
    if (workers_.empty()) {
        // A short slice on this thread; the evaluator is made anew each time, so that the document is left as
        // the window shows it between slices.
        const std::unique_ptr<PointEvaluator> evaluator = source_->NewEvaluator();
        run_->WorkFor(*evaluator, std::chrono::milliseconds(kSliceMilliseconds));
    }
    Q_EMIT progressed(static_cast<int>(run_->Done()), static_cast<int>(run_->Total()));
    const bool workersDone = std::all_of(workers_.begin(), workers_.end(), [](const QFuture<void>& f) { return f.isFinished(); });
    if (run_->Ended() && workersDone) finish();
}

void BackgroundEvaluation::finish() {
    timer_.stop();
    const std::shared_ptr<BatchRun> run = std::move(run_);
    run_.reset();
    source_.reset();
    workers_.clear();
    if (run->Complete()) {
        Q_EMIT finished(run->Batch());
    } else if (const auto failure = run->Failure()) {
        Q_EMIT failed(QString::fromStdString(*failure));
    } else {
        Q_EMIT cancelled();
    }
}

void BackgroundEvaluation::retireWorkers() {
    std::erase_if(retired_, [](const QFuture<void>& worker) { return worker.isFinished(); });
    for (QFuture<void>& worker : workers_) retired_.push_back(std::move(worker));
    workers_.clear();
}

}  // namespace zorv
