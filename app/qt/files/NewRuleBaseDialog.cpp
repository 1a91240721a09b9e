#include "app/qt/files/NewRuleBaseDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QVBoxLayout>

namespace zorv {

NewRuleBaseDialog::NewRuleBaseDialog(QWidget* parent) : QDialog(parent), types_(new QComboBox(this)) {
    setWindowTitle(tr("New Rulebase Properties"));
    types_->addItem(tr("Linguistic"), static_cast<int>(DescriptionType::linguistic));
    types_->addItem(tr("TS-Singleton"), static_cast<int>(DescriptionType::singleton));

    auto* form = new QFormLayout;
    form->addRow(tr("Type of unit:"), types_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

std::optional<DescriptionType> NewRuleBaseDialog::chooseType() {
    if (exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return selectedType();
}

DescriptionType NewRuleBaseDialog::selectedType() const {
    return static_cast<DescriptionType>(types_->currentData().toInt());
}

void NewRuleBaseDialog::selectType(DescriptionType type) {
    types_->setCurrentIndex(types_->findData(static_cast<int>(type)));
}

}  // namespace zorv
