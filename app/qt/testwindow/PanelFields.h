#pragma once

#include <QWidget>

class QLineEdit;

namespace zorv {

// The column of captioned fields of a test-window panel: "Name: ", "Value: " and "Typical expression: ",
// each caption above its field. Name and Typical expression are read-only; Value is editable when asked.
class PanelFields final : public QWidget {
    Q_OBJECT

public:
    PanelFields(const QString& name, bool valueEditable, QWidget* parent = nullptr);

    QLineEdit* name() const { return name_; }
    QLineEdit* value() const { return value_; }
    QLineEdit* typical() const { return typical_; }

private:
    QLineEdit* name_;
    QLineEdit* value_;
    QLineEdit* typical_;
};

}  // namespace zorv
