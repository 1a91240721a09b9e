#include "app/qt/testwindow/BackgroundFilterBuild.h"

#include <QtConcurrent/QtConcurrentRun>
#include <atomic>
#include <mutex>
#include <stop_token>
#include <string>

#include "inference/ERefused.h"
#include "inference/filter/FTInferenceFilter.h"

namespace zorv {

namespace {

constexpr int kPollMilliseconds = 30;

}  // namespace

// What the worker and the window share; the worker keeps it alive until it returns.
struct BackgroundFilterBuild::Job {
    std::shared_ptr<const CompiledRuleBase> source;
    std::stop_source stop;
    std::atomic<int> done{0};
    std::atomic<int> total{0};
    std::mutex resultMutex;
    std::shared_ptr<const FTInferenceFilter> filter;
    std::string failure;
};

BackgroundFilterBuild::BackgroundFilterBuild(QObject* parent) : QObject(parent) {
    // Room for a stopped build that runs out while the next one starts.
    pool_.setMaxThreadCount(2);
    connect(&timer_, &QTimer::timeout, this, &BackgroundFilterBuild::tick);
}

BackgroundFilterBuild::~BackgroundFilterBuild() {
    if (job_) job_->stop.request_stop();
    retire();
    for (QFuture<void>& worker : retired_) worker.waitForFinished();
}

std::shared_ptr<const CompiledRuleBase> BackgroundFilterBuild::source() const {
    return job_ ? job_->source : nullptr;
}

void BackgroundFilterBuild::start(std::shared_ptr<const CompiledRuleBase> source) {
    if (job_) job_->stop.request_stop();
    retire();
    job_ = std::make_shared<Job>();
    job_->source = std::move(source);
    worker_ = QtConcurrent::run(&pool_, [job = job_] {
        const auto progress = [&job = *job](int done, int total) {
            job.done = done;
            job.total = total;
        };
        try {
            auto filter = FTInferenceFilter::Build(job->source, progress, job->stop.get_token());
            const std::lock_guard lock(job->resultMutex);
            job->filter = std::move(filter);
        } catch (const ERefused& refused) {
            const std::lock_guard lock(job->resultMutex);
            job->failure = refused.what();
        } catch (const std::exception& error) {
            const std::lock_guard lock(job->resultMutex);
            job->failure = error.what();
        }
    });
    timer_.start(kPollMilliseconds);
}

void BackgroundFilterBuild::cancel() {
    if (!job_) return;
    job_->stop.request_stop();
    retire();
    job_.reset();
    timer_.stop();
    Q_EMIT cancelled();
}

void BackgroundFilterBuild::tick() {
    if (!job_) return;
    Q_EMIT progressed(job_->done, job_->total);
    if (!worker_.isFinished()) return;
    const std::shared_ptr<Job> job = std::move(job_);
    job_.reset();
    timer_.stop();
    worker_ = {};
    std::shared_ptr<const FTInferenceFilter> filter;
    std::string failure;
    {
        const std::lock_guard lock(job->resultMutex);
        filter = job->filter;
        failure = job->failure;
    }
    if (filter) {
        Q_EMIT finished(filter);
    } else if (!failure.empty()) {
        Q_EMIT failed(QString::fromStdString(failure));
    } else {
        Q_EMIT cancelled();
    }
}

// The worker of a stopped build runs out by itself; it is waited for only when this object goes.
void BackgroundFilterBuild::retire() {
    std::erase_if(retired_, [](const QFuture<void>& worker) { return worker.isFinished(); });
    if (!worker_.isFinished()) retired_.push_back(worker_);
    worker_ = {};
}

}  // namespace zorv
