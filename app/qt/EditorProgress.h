#pragma once

#include <QWidget>
#include <functional>

#include "app/core/ProgressClock.h"

class QLabel;
class QProgressBar;

namespace zorv {

// The editor's progress bar with the elapsed-time label at its right. A long operation runs inside run():
// the bar counts its steps under the busy cursor, pending window events are processed after each step, and
// the label shows the elapsed seconds at the end.
class EditorProgress final : public QWidget {
    Q_OBJECT

public:
    // Called by the work after each step with the steps done and the total.
    using StepReport = std::function<void(int done, int total)>;

    explicit EditorProgress(QWidget* parent = nullptr);

    void run(int steps, const std::function<void(const StepReport&)>& work);

    QProgressBar* bar() const { return bar_; }
    QLabel* elapsedLabel() const { return elapsed_; }

private:
    void begin(int steps);
    void step(int done);
    void end();

    QProgressBar* bar_;
    QLabel* elapsed_;
    ProgressClock clock_;
};

}  // namespace zorv
