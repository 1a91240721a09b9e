#include "app/qt/testwindow/FuzzySetOutputPanel.h"

#include <QHBoxLayout>

#include "app/qt/testwindow/FuzzySetOutputBox.h"
#include "app/qt/testwindow/PanelFields.h"

namespace zorv {

FuzzySetOutputPanel::FuzzySetOutputPanel(const QString& name, double low, double high, QWidget* parent)
    : QWidget(parent), fields_(new PanelFields(name, false, this)), box_(new FuzzySetOutputBox(low, high, this)) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(2, 2, 2, 2);
    row->addWidget(fields_, 0, Qt::AlignTop);
    row->addWidget(box_, 1);
}

}  // namespace zorv
