#include "app/qt/surface/ImageFileDialog.h"

#include <QApplication>
#include <QFileDialog>
#include <QRegularExpression>

namespace zorv {
namespace {

// The suffix a filter such as "SVG image (*.svg)" names.
QString suffixOf(const QString& filter) {
    static const QRegularExpression pattern(QStringLiteral("\\*\\.(\\w+)"));
    const QRegularExpressionMatch match = pattern.match(filter);
    return match.hasMatch() ? match.captured(1) : QString();
}

}  // namespace

void ImageFileDialog::prepare(QFileDialog& dialog, const QString& initialPath) {
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    const QStringList filters{QFileDialog::tr("PNG image (*.png)"), QFileDialog::tr("SVG image (*.svg)")};
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(suffixOf(filters.constFirst()));
    // The dialog adds the default suffix and asks about replacing the file with it, before it returns.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog](const QString& filter) { dialog.setDefaultSuffix(suffixOf(filter)); });
    if (!initialPath.isEmpty()) dialog.selectFile(initialPath);
}

std::optional<QString> ImageFileDialog::exportImageName(const QString& initialPath) {
    QFileDialog dialog(QApplication::activeWindow(), QFileDialog::tr("Export image"));
    prepare(dialog, initialPath);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

}  // namespace zorv
