#pragma once

#include <QFutureWatcher>
#include <QObject>
#include <QThreadPool>
#include <memory>
#include <optional>
#include <vector>

#include "app/core/TestOutcome.h"

namespace zorv {

class CompiledRuleBase;

// Runs the test window's evaluations that are too long for the interface thread on a worker, one at a time:
// a request made while one runs waits, and a newer request replaces the waiting one. Only the result of the
// newest request is delivered; results the inputs have moved on from are dropped. The worker runs on a pool
// of its own (see BackgroundEvaluation).
class BackgroundTestEvaluation final : public QObject {
    Q_OBJECT

public:
    explicit BackgroundTestEvaluation(QObject* parent = nullptr);
    // Waits for the evaluation in progress.
    ~BackgroundTestEvaluation() override;

    void request(std::shared_ptr<const CompiledRuleBase> compiled, std::vector<double> inputs);
    // Nothing requested so far is delivered any more.
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
    QFutureWatcher<TestOutcome> watcher_;
    std::optional<Request> waiting_;
    // Whether the running evaluation is the newest request.
    bool awaited_ = false;
};

}  // namespace zorv
