#include "app/qt/surface/ImageFileDialog.h"

#include <QApplication>
#include <QFileDialog>

namespace zorv {

std::optional<QString> ImageFileDialog::exportImageName(const QString& initialPath) {
    QFileDialog dialog(QApplication::activeWindow(), QFileDialog::tr("Export image"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters({QFileDialog::tr("PNG image (*.png)"), QFileDialog::tr("SVG image (*.svg)")});
    dialog.setDefaultSuffix(QStringLiteral("png"));
    if (!initialPath.isEmpty()) dialog.selectFile(initialPath);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

}  // namespace zorv
