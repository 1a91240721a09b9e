#pragma once

#include <QFutureWatcher>
#include <QObject>
#include <QThreadPool>
#include <QTimer>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "app/core/rules/RuleGridAnalysis.h"
#include "rulebase/analysis/RulesInfo.h"

namespace zorv {

// Runs the rules grid's analysis away from the interface thread: a request waits for a short pause in the
// changes (each new request restarts the wait), then the job it asks for is prepared (without work per row)
// and its rows described and analysed on a pool of its own (Qt's global pool also serves painting, which
// would wait for the analysis).
// Only the newest request counts: a result that arrives after a newer request is dropped, and the newest
// result is announced with the grid revision it was taken from.
class RulesAnalysisRunner final : public QObject {
    Q_OBJECT

public:
    static constexpr int kPauseMs = 150;
    // Prepares the job when the pause is over (on the interface thread).
    using Prepare = std::function<RuleGridAnalysis::Job()>;
    using Infos = std::shared_ptr<const std::vector<RuleInfo>>;

    explicit RulesAnalysisRunner(QObject* parent = nullptr);
    ~RulesAnalysisRunner() override;

    // Asks for an analysis of the content of the given revision.
    void request(std::uint64_t revision, Prepare prepare, RulesInfoColumns shown);
    // Forgets a waiting request and any result still to come.
    void cancel();
    bool busy() const { return timer_.isActive() || watcher_.isRunning(); }

signals:
    void finished(std::uint64_t revision, const zorv::RulesAnalysisRunner::Infos& infos);

private:
    void start();
    void deliver();

    QTimer timer_;
    QThreadPool pool_;  // declared before the watcher: destroyed after it, waiting for a running analysis
    QFutureWatcher<Infos> watcher_;
    std::uint64_t requested_ = 0;  // the newest request
    std::uint64_t running_ = 0;    // the request being analysed
    std::uint64_t revision_ = 0;
    Prepare prepare_;
    RulesInfoColumns shown_;
};

}  // namespace zorv
