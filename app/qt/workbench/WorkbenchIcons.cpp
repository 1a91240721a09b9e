#include "app/qt/workbench/WorkbenchIcons.h"

#include <QString>

// The shipped icons live in a static library: their resource must be registered before the first use.
static void registerShippedIcons() { Q_INIT_RESOURCE(workbench); }

namespace zorv {

QIcon WorkbenchIcons::named(const char* themeName) {
    static const bool registered = (registerShippedIcons(), true);
    (void)registered;
    const QString name = QString::fromLatin1(themeName);
    return QIcon::fromTheme(name, QIcon(QStringLiteral(":/icons/%1.svg").arg(name)));
}

}  // namespace zorv
