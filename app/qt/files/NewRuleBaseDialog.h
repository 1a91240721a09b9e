#pragma once

#include <QDialog>

#include "app/qt/files/NewRuleBaseChooser.h"

class QComboBox;

namespace zorv {

// "New Rulebase Properties": the type of a new rule base, "Linguistic" or "TS-Singleton". Made once and
// reused, so it offers the last choice again.
class NewRuleBaseDialog final : public QDialog, public NewRuleBaseChooser {
    Q_OBJECT

public:
    explicit NewRuleBaseDialog(QWidget* parent = nullptr);

    std::optional<DescriptionType> chooseType() override;
    // The type the list shows now.
    DescriptionType selectedType() const;
    void selectType(DescriptionType type);

private:
    QComboBox* types_;
};

}  // namespace zorv
