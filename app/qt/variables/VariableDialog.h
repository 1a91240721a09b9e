#pragma once

#include <QDialog>
#include <functional>
#include <memory>

#include "app/core/variables/VariableFields.h"

class QComboBox;
class QFormLayout;
class QLineEdit;
class QPushButton;

namespace zorv {

class CRuleBase;
class Prompter;
class VariableForm;

// "Add variable" / "Edit variable": a variable's name, context bounds and discretization, checked on OK;
// when an edited variable's bounds change and its rules hold numbers, it asks whether to recompute them.
// "Edit expressions..." opens the user-expressions editor for the variable with the typed bounds.
class VariableDialog : public QDialog {
    Q_OBJECT

public:
    // Opens the user-expressions editor for a variable; true when it was confirmed.
    using TermsEditor = std::function<bool(QWidget* parent, CRuleBase& unit, int signedIndex)>;

    // prompter null: the application's message boxes.
    explicit VariableDialog(QWidget* parent = nullptr, Prompter* prompter = nullptr);
    ~VariableDialog() override;

    // Edit mode for the variable (a signed index: input k is k, output k is ~k). The return value of every
    // entry is true when the rule base was changed.
    static bool editVariable(QWidget* parent, CRuleBase& unit, int signedIndex);
    // Add mode for a new input (output) variable copying from the one at copyFrom.
    static bool addVariable(QWidget* parent, CRuleBase& unit, bool input, int copyFrom = 0);
    // Runs the OK checks for a stored variable; when one fails, shows its message and then the dialog for
    // correction.
    static bool checkVariable(QWidget* parent, CRuleBase& unit, int signedIndex);

    // Fill the dialog without showing it (exec() or open() shows it).
    void prepareEdit(CRuleBase& unit, int signedIndex);
    void prepareAdd(CRuleBase& unit, bool input, int copyFrom);
    // The OK checks without closing; shows the message of a failing one.
    bool runChecks();
    void setTermsEditor(TermsEditor editor) { termsEditor_ = std::move(editor); }
    bool unitChanged() const;

    VariableFields fields() const;
    void setFields(const VariableFields& fields);
    QLineEdit* nameEdit() const { return name_; }
    QLineEdit* lowEdit() const { return low_; }
    QLineEdit* highEdit() const { return high_; }
    QLineEdit* discretizationEdit() const { return discretization_; }
    QComboBox* copyList() const { return copyList_; }
    QPushButton* editExpressionsButton() const { return editExpressions_; }
    bool discretizationShown() const;

    // "Edit expressions...".
    void editExpressions();
    // Leaving the fields: the check of the field; false (the focus goes back) when it fails.
    bool leaveDiscretization();
    bool leaveBound(QLineEdit* edit);

    void accept() override;
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildForm();
    void fillFromForm();
    void chooseCopySource(int position);

    std::unique_ptr<Prompter> ownPrompter_;
    Prompter* prompter_;
    std::unique_ptr<VariableForm> form_;
    TermsEditor termsEditor_;

    QFormLayout* layout_ = nullptr;
    QLineEdit* name_ = nullptr;
    QComboBox* copyList_ = nullptr;
    QLineEdit* discretization_ = nullptr;
    QLineEdit* low_ = nullptr;
    QLineEdit* high_ = nullptr;
    QPushButton* editExpressions_ = nullptr;
};

}  // namespace zorv
