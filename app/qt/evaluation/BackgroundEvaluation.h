#pragma once

#include <QFuture>
#include <QObject>
#include <QString>
#include <QThreadPool>
#include <QTimer>
#include <memory>
#include <vector>

#include "app/core/evaluation/BatchRun.h"
#include "app/core/evaluation/EvaluatorSource.h"

namespace zorv {

// Computes a batch of points without blocking the window. A source that allows several evaluators runs on
// the thread pool, one worker per evaluator; a source bound to the rule base document (Concurrency() 1)
// runs in short slices on this thread between the window's events. Either way the outputs are those of a
// foreground computation.
//
// The latest request wins: start() cancels the computation in progress, whose result is never delivered.
// Exactly one of finished, failed or cancelled follows every start() that is not superseded.
//
// The workers run on a pool of their own, not on the application's global pool: Qt's raster painting hands
// parts of its work to the global pool and waits for them, so workers busy there would hold up every repaint
// of the interface until they are done.
class BackgroundEvaluation final : public QObject {
    Q_OBJECT

public:
    // How long one slice on this thread may take, well below what a user notices.
    static constexpr int kSliceMilliseconds = 12;

    explicit BackgroundEvaluation(QObject* parent = nullptr);
    // Cancels, and waits for the workers (also those of superseded requests), which stop after the
    // evaluation they are in.
    ~BackgroundEvaluation() override;

    void start(PointBatch points, std::shared_ptr<const EvaluatorSource> source);
    void cancel();
    bool running() const { return run_ != nullptr; }

Q_SIGNALS:
    void progressed(int done, int total);
    void finished(const zorv::PointBatch& computed);
    void failed(const QString& message);
    void cancelled();

private:
    void tick();
    void finish();
    // Moves the current workers aside: they stop by themselves once their run is cancelled.
    void retireWorkers();

    QThreadPool pool_;
    std::shared_ptr<BatchRun> run_;
    std::shared_ptr<const EvaluatorSource> source_;
    std::vector<QFuture<void>> workers_;
    std::vector<QFuture<void>> retired_;
    QTimer timer_;
};

}  // namespace zorv
