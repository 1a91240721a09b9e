#pragma once

#include <QWidget>

namespace zorv {

class FuzzySetInputBox;
class PanelFields;

// One input of the test window: its name, the value (typed values are taken as they change), the typical
// expression of the value, and the slider box.
class FuzzySetInputPanel final : public QWidget {
    Q_OBJECT

public:
    FuzzySetInputPanel(const QString& name, double low, double high, QWidget* parent = nullptr);

    // Shows the input's place, value and typical expression. The Value field is rewritten only when asked
    // (not while the user types into it); rewriting it does not count as typing.
    void showInput(double position, double value, const QString& typical, bool rewriteValue);

    PanelFields* fields() const { return fields_; }
    FuzzySetInputBox* box() const { return box_; }

Q_SIGNALS:
    void positionChosen(double position);
    void valueTyped(const QString& text);

private:
    PanelFields* fields_;
    FuzzySetInputBox* box_;
};

}  // namespace zorv
