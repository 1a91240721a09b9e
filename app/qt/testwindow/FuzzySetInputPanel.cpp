#include "app/qt/testwindow/FuzzySetInputPanel.h"

#include <QHBoxLayout>
#include <QLineEdit>

#include "app/qt/testwindow/FuzzySetInputBox.h"
#include "app/qt/testwindow/PanelFields.h"
#include "text/NumberText.h"

namespace zorv {

FuzzySetInputPanel::FuzzySetInputPanel(const QString& name, double low, double high, QWidget* parent)
    : QWidget(parent), fields_(new PanelFields(name, true, this)), box_(new FuzzySetInputBox(low, high, this)) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(2, 2, 2, 2);
    row->addWidget(fields_);
    row->addWidget(box_, 1);
    connect(box_, &FuzzySetInputBox::positionChosen, this, &FuzzySetInputPanel::positionChosen);
    // textEdited, not textChanged: the panel's own rewrites are no typing.
    connect(fields_->value(), &QLineEdit::textEdited, this, &FuzzySetInputPanel::valueTyped);
}

void FuzzySetInputPanel::showInput(double position, double value, const QString& typical, bool rewriteValue) {
    box_->setState(position, value);
    if (rewriteValue) fields_->value()->setText(QString::fromStdString(NumberText::twoDecimals(value)));
    fields_->typical()->setText(typical);
}

}  // namespace zorv
