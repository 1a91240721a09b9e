#include "app/qt/testwindow/PanelFields.h"

#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace zorv {

namespace {

// Wide enough for the longer typical expressions ("more or less small").
constexpr int kFieldWidth = 130;

}  // namespace

PanelFields::PanelFields(const QString& name, bool valueEditable, QWidget* parent)
    : QWidget(parent), name_(new QLineEdit(name, this)), value_(new QLineEdit(this)), typical_(new QLineEdit(this)) {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(1);
    const std::pair<QString, QLineEdit*> rows[] = {
        {tr("Name: "), name_}, {tr("Value: "), value_}, {tr("Typical expression: "), typical_}};
    for (const auto& [caption, field] : rows) {
        column->addWidget(new QLabel(caption, this));
        column->addWidget(field);
        field->setFixedWidth(kFieldWidth);
        field->setReadOnly(true);
    }
    value_->setReadOnly(!valueEditable);
}

}  // namespace zorv
