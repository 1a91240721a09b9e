#pragma once

#include <QWidget>

namespace zorv {

class FuzzySetOutputBox;
class PanelFields;

// The output of the test window: its name, the crisp value, the typical expression of the value (for a
// linguistic rule base) and the output box. Every field is read-only.
class FuzzySetOutputPanel final : public QWidget {
    Q_OBJECT

public:
    FuzzySetOutputPanel(const QString& name, double low, double high, QWidget* parent = nullptr);

    PanelFields* fields() const { return fields_; }
    FuzzySetOutputBox* box() const { return box_; }

private:
    PanelFields* fields_;
    FuzzySetOutputBox* box_;
};

}  // namespace zorv
