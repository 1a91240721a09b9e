#pragma once

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace zorv {

class CRuleBase;

// The editor's "General" tab: unit name and type, the inference and defuzzification lists, the
// F-transform filter box and the description. It only shows and reports; the editor applies the choices.
class EditorGeneralTab final : public QWidget {
    Q_OBJECT

public:
    explicit EditorGeneralTab(QWidget* parent = nullptr);

    // Shows unit without reporting anything back.
    void fill(const CRuleBase& unit);
    void setUnitName(const QString& name);
    // Shows the rule base's methods and filter switch (the test window changed them) without reporting.
    void showMethods(const CRuleBase& unit);
    // Unchecks and disables the filter box, or enables it again.
    void setFilterAvailable(bool available);
    QString description() const;

    QLineEdit* unitName() const { return unitName_; }
    QLabel* unitType() const { return unitType_; }
    QComboBox* inference() const { return inference_; }
    QComboBox* defuzzification() const { return defuzzification_; }
    QLabel* defuzzificationCaption() const { return defuzzificationCaption_; }
    QCheckBox* filter() const { return filter_; }
    QPlainTextEdit* descriptionEdit() const { return description_; }

signals:
    void inferenceChosen(int index);
    void defuzzificationChosen(int index);
    void filterToggled(bool on);
    void descriptionEdited();

private:
    QLineEdit* unitName_;
    QLabel* unitType_;
    QComboBox* inference_;
    QLabel* defuzzificationCaption_;
    QComboBox* defuzzification_;
    QCheckBox* filter_;
    QPlainTextEdit* description_;
};

}  // namespace zorv
