#pragma once

#include <QWidget>
#include <vector>

#include "app/core/tuning/BestErrorTrace.h"

namespace zorv {

// The tuning dialog's chart of the best error so far over the evaluations: a staircase from the error at
// the start down to the best one (ErrorTracePlot), with the two errors written at the left.
class BestErrorChart final : public QWidget {
    Q_OBJECT

public:
    explicit BestErrorChart(QWidget* parent = nullptr);

    void setTrace(std::vector<BestErrorTrace::Point> trace, int evaluationsDone, int budget);
    QSize sizeHint() const override { return {360, 140}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<BestErrorTrace::Point> trace_;
    int done_ = 0;
    int budget_ = 0;
};

}  // namespace zorv
