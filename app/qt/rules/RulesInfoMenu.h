#pragma once

#include <QMenu>
#include <array>

#include "rulebase/analysis/RulesInfo.h"

namespace zorv {

// The editor's "Rules info" menu: one checked item per analysis column of the rules grid ("Group",
// "Consistency", "Redundancy Succ", "Redundancy Ant"). The main window shows it while the editor is active.
class RulesInfoMenu final : public QMenu {
    Q_OBJECT

public:
    explicit RulesInfoMenu(QWidget* parent = nullptr);

    RulesInfoColumns shown() const;
    QAction* item(RulesInfoColumn column) const { return items_[static_cast<std::size_t>(column)]; }
    // A rule base whose outputs are numbers (TS-Singleton) has no redundancy columns: their items go away.
    void withoutRedundancy();

signals:
    void columnToggled(zorv::RulesInfoColumn column, bool shown);

private:
    std::array<QAction*, 4> items_{};
};

}  // namespace zorv
