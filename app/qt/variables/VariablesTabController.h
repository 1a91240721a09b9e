#pragma once

#include <QObject>

class QWidget;

namespace zorv {

class CRuleBase;
class EditorVariablesTab;
class Prompter;
class VariableEditing;

// Runs the two variables tabs of an editor: adding, deleting and editing variables through the variable
// dialog, and checking every variable when the rule base opens. Each change is announced with changed();
// historyBroken says the rules were rewritten for other variables, so earlier rule lists no longer fit.
class VariablesTabController final : public QObject {
    Q_OBJECT

public:
    // The tabs and the dialog's parent window.
    struct Tabs {
        EditorVariablesTab& inputs;
        EditorVariablesTab& outputs;
        QWidget& dialogParent;
    };

    VariablesTabController(CRuleBase& unit, Tabs tabs, VariableEditing& dialog, Prompter& prompter,
                           QObject* parent = nullptr);

    // Shows the rule base's variables in both grids.
    void refill();
    // Checks every input and then every output variable as the dialog's OK would; a variable that fails
    // is shown in the dialog. True when a variable was corrected.
    bool checkAll();
    // While a test window lives the variables stay as it shows them: the buttons are off and requests are
    // refused.
    void lockForTest(bool locked);

signals:
    void changed(bool historyBroken);

private:
    void add();
    void remove(int row);
    void edit(bool input, int row);
    // True on the dialog's OK.
    bool editAt(int signedIndex);
    void compile();

    CRuleBase& unit_;
    Tabs tabs_;
    VariableEditing& dialog_;
    Prompter& prompter_;
    bool locked_ = false;
};

}  // namespace zorv
