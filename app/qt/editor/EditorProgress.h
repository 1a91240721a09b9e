#pragma once

#include <QWidget>
#include <functional>

#include "app/core/evaluation/ProgressClock.h"

class QLabel;
class QProgressBar;
class QPushButton;

namespace zorv {

// The editor's progress bar with the elapsed-time label at its right. A long operation runs inside run():
// the bar counts its steps under the busy cursor, pending window events are processed after each step, and
// the label shows the elapsed seconds at the end.
//
// An operation running on a worker is shown with start(), advance() and finish() instead: meanwhile a
// Cancel button beside the bar asks for it to stop (cancelRequested), and the window stays usable.
class EditorProgress final : public QWidget {
    Q_OBJECT

public:
    // Called by the work after each step with the steps done and the total.
    using StepReport = std::function<void(int done, int total)>;

    explicit EditorProgress(QWidget* parent = nullptr);

    void run(int steps, const std::function<void(const StepReport&)>& work);

    void start(int steps);
    void advance(int done, int total);
    void finish();
    bool tracking() const { return tracking_; }

    QProgressBar* bar() const { return bar_; }
    QLabel* elapsedLabel() const { return elapsed_; }
    QPushButton* cancelButton() const { return cancel_; }

signals:
    void cancelRequested();

private:
    void begin(int steps);
    void step(int done);
    void end();

    QProgressBar* bar_;
    QLabel* elapsed_;
    QPushButton* cancel_;
    ProgressClock clock_;
    bool tracking_ = false;
};

}  // namespace zorv
