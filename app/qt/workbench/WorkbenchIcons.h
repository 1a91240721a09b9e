#pragma once

#include <QIcon>

namespace zorv {

// Icons of the workbench: the desktop theme's icon of a freedesktop name, or the one shipped with the
// program when the theme has none.
class WorkbenchIcons {
public:
    static QIcon named(const char* themeName);
    static QIcon ruleEnabled() { return named("rule-enabled"); }
    static QIcon ruleDisabled() { return named("rule-disabled"); }
};

}  // namespace zorv
