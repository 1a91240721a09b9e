#include "app/qt/workbench/ApplicationSetup.h"

#include <QApplication>
#include <QLocale>
#include <clocale>

namespace zorv {

void ApplicationSetup::apply() {
    std::setlocale(LC_NUMERIC, "C");
    QLocale::setDefault(QLocale::c());
    QApplication::setApplicationName(QStringLiteral("zorvix"));
    QApplication::setApplicationDisplayName(QString::fromLatin1(kTitle));
}

}  // namespace zorv
