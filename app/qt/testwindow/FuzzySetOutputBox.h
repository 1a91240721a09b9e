#pragma once

#include <QWidget>
#include <optional>

#include "fuzzy/sets/CFuzzyDiscreteSet.h"

namespace zorv {

// The output of the test window: the output fuzzy set's membership curve over the output's context, drawn
// pixel by pixel, and the crisp output marked by a red triangle and a red line with its value above. A value
// still being computed keeps the last one's marker, in grey.
class FuzzySetOutputBox final : public QWidget {
    Q_OBJECT

public:
    FuzzySetOutputBox(double low, double high, QWidget* parent = nullptr);

    // set: none for a Takagi-Sugeno result; value: none when the evaluation was refused.
    void setOutput(std::optional<CFuzzyDiscreteSet> set, std::optional<double> value);
    // The value shown stands for an earlier evaluation; a newer one is on its way.
    void setValuePending(bool pending);

    const std::optional<CFuzzyDiscreteSet>& set() const { return set_; }
    const std::optional<double>& value() const { return value_; }

public:
    // As wide as an input's slider, so that the panels line up.
    QSize sizeHint() const override { return QSize(320, 120); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void paintMarker(QPainter& painter, double value) const;

    double low_;
    double high_;
    std::optional<CFuzzyDiscreteSet> set_;
    std::optional<double> value_;
    bool pending_ = false;
};

}  // namespace zorv
