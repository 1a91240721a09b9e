#include "app/qt/rules/RulesAnalysisRunner.h"

#include <QtConcurrent/QtConcurrentRun>


namespace zorv {

RulesAnalysisRunner::RulesAnalysisRunner(QObject* parent) : QObject(parent) {
    pool_.setMaxThreadCount(1);
    timer_.setSingleShot(true);
    timer_.setInterval(kPauseMs);
    connect(&timer_, &QTimer::timeout, this, &RulesAnalysisRunner::start);
    connect(&watcher_, &QFutureWatcherBase::finished, this, &RulesAnalysisRunner::deliver);
}

// An analysis still running owns its job and finishes unobserved; the pool waits for it (a few ms).
RulesAnalysisRunner::~RulesAnalysisRunner() { disconnect(&watcher_, nullptr, this, nullptr); }

void RulesAnalysisRunner::request(std::uint64_t revision, Prepare prepare, RulesInfoColumns shown) {
    ++requested_;
    revision_ = revision;
    prepare_ = std::move(prepare);
    shown_ = shown;
    timer_.start();
}

void RulesAnalysisRunner::cancel() {
    timer_.stop();
    prepare_ = {};
    ++requested_;
}

// One analysis at a time: a request made while one runs starts when that one ends.
void RulesAnalysisRunner::start() {
    if (watcher_.isRunning()) return;
    running_ = requested_;
    watcher_.setFuture(QtConcurrent::run(&pool_, [job = prepare_(), shown = shown_] {
        return Infos(std::make_shared<const std::vector<RuleInfo>>(RuleGridAnalysis::compute(job.table(), shown)));
    }));
}

void RulesAnalysisRunner::deliver() {
    if (running_ == requested_) {
        emit finished(revision_, watcher_.result());
    } else if (!timer_.isActive() && prepare_) {
        start();
    }
}

}  // namespace zorv
