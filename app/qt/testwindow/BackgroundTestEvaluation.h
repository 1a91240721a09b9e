#pragma once

#include <QFutureWatcher>
#include <QObject>
#include <QThreadPool>
#include <memory>
#include <optional>
#include <stop_token>
#include <vector>

#include "app/core/testwindow/TestOutcome.h"

namespace zorv {

class CompiledRuleBase;

// Runs the test window's evaluations that are too long for the interface thread on a worker, one at a time:
// a request made while one runs stops that one (its result would be dropped anyway) and waits for it to end,
// and a newer request replaces the waiting one. Only the result of the newest request is delivered. A smooth
// defuzzification may take seconds; it stops within one inference of being asked, so that neither newer
// inputs nor closing the window wait for it. The worker runs on a pool of its own (see BackgroundEvaluation).
class BackgroundTestEvaluation final : public QObject {
    Q_OBJECT

public:
    explicit BackgroundTestEvaluation(QObject* parent = nullptr);
    // Stops the evaluation in progress and waits for it to end.
    ~BackgroundTestEvaluation() override;

    void request(std::shared_ptr<const CompiledRuleBase> compiled, std::vector<double> inputs);
    // Nothing requested so far is delivered any more; the evaluation in progress stops.
    void drop();
    // A result is still to come.
    bool busy() const { return waiting_.has_value() || awaited_; }

Q_SIGNALS:
    void evaluated(const zorv::TestOutcome& outcome);

private:
    struct Request {
        std::shared_ptr<const CompiledRuleBase> compiled;
        std::vector<double> inputs;
    };

    void launch(Request request);
    void done();

    QThreadPool pool_;
    // None when the evaluation stopped before it was done.
    QFutureWatcher<std::optional<TestOutcome>> watcher_;
    std::stop_source stop_;
    std::optional<Request> waiting_;
    // Whether the running evaluation is the newest request.
    bool awaited_ = false;
};

}  // namespace zorv
