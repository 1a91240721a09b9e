#pragma once

#include <QFuture>
#include <QObject>
#include <QThreadPool>
#include <QString>
#include <QTimer>
#include <memory>
#include <vector>

namespace zorv {

class CompiledRuleBase;
class FTInferenceFilter;

// Builds the F-transform filter of a compiled rule base without blocking the window: the build samples on
// every core from a worker, reports its progress here, and stops soon after cancel(). The latest request
// wins: start() stops the build in progress, whose filter is never delivered. Exactly one of finished, failed
// or cancelled follows every start() that is not superseded. The worker runs on a pool of its own (see
// BackgroundEvaluation), and the build samples on threads of its own.
class BackgroundFilterBuild final : public QObject {
    Q_OBJECT

public:
    explicit BackgroundFilterBuild(QObject* parent = nullptr);
    // Stops every build and waits for it (a build stops within one piece of its sampling).
    ~BackgroundFilterBuild() override;

    void start(std::shared_ptr<const CompiledRuleBase> source);
    void cancel();
    bool running() const { return job_ != nullptr; }
    // The compiled form being filtered; null when idle.
    std::shared_ptr<const CompiledRuleBase> source() const;

Q_SIGNALS:
    void progressed(int done, int total);
    void finished(std::shared_ptr<const zorv::FTInferenceFilter> filter);
    void failed(const QString& message);
    void cancelled();

private:
    struct Job;

    void tick();
    void retire();

    QThreadPool pool_;
    std::shared_ptr<Job> job_;
    QFuture<void> worker_;
    std::vector<QFuture<void>> retired_;
    QTimer timer_;
};

}  // namespace zorv
