#include "app/qt/rules/RulesInfoMenu.h"

namespace zorv {

RulesInfoMenu::RulesInfoMenu(QWidget* parent) : QMenu(tr("Rules info"), parent) {
    const std::array<QString, 4> captions{tr("Group"), tr("Consistency"), tr("Redundancy Succ"), tr("Redundancy Ant")};
    for (std::size_t i = 0; i < items_.size(); ++i) {
        QAction* item = addAction(captions[i]);
        item->setCheckable(true);
        item->setChecked(true);
        const auto column = static_cast<RulesInfoColumn>(i);
        connect(item, &QAction::toggled, this, [this, column](bool on) { emit columnToggled(column, on); });
        items_[i] = item;
    }
}

RulesInfoColumns RulesInfoMenu::shown() const {
    const auto on = [this](RulesInfoColumn column) { return item(column)->isVisible() && item(column)->isChecked(); };
    return {on(RulesInfoColumn::group), on(RulesInfoColumn::inconsistency), on(RulesInfoColumn::redundantSuc),
            on(RulesInfoColumn::redundantAnt)};
}

void RulesInfoMenu::withoutRedundancy() {
    for (const RulesInfoColumn column : {RulesInfoColumn::redundantSuc, RulesInfoColumn::redundantAnt}) {
        item(column)->setChecked(false);
        item(column)->setVisible(false);
    }
}

}  // namespace zorv
