#pragma once

#include <QObject>

namespace zorv {

class CRuleBase;
class EditorGeneralTab;
class Prompter;

// Applies the General tab's choices to the rule base: the inference and defuzzification methods and the
// F-transform filter switch. Every change is announced with changed(); the editor marks itself modified.
class GeneralTabController final : public QObject {
    Q_OBJECT

public:
    GeneralTabController(CRuleBase& unit, EditorGeneralTab& tab, Prompter& prompter, QObject* parent = nullptr);

    // While a test window lives it owns the method choices: the lists and the filter box are off.
    void lockForTest(bool locked);
    // The test window changed a method or the filter switch: the tab shows them.
    void showTestChanges();

signals:
    void changed();

private:
    void chooseInference(int index);
    void chooseDefuzzification(int index);
    void toggleFilter(bool on);

    CRuleBase& unit_;
    EditorGeneralTab& tab_;
    Prompter& prompter_;
};

}  // namespace zorv
