#include "app/qt/FileDialogNames.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>

namespace zorv {
namespace {

std::optional<QString> run(QFileDialog& dialog, const QString& initialPath) {
    const QString ruleBases = QCoreApplication::translate("FileDialogNames", FileDialogNames::kRuleBaseFilter);
    dialog.setNameFilters({QCoreApplication::translate("FileDialogNames", FileDialogNames::kAllFilesFilter), ruleBases});
    dialog.selectNameFilter(ruleBases);
    if (!initialPath.isEmpty()) {
        const QFileInfo initial(initialPath);
        dialog.setDirectory(initial.absolutePath());
        dialog.selectFile(initial.fileName());
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().constFirst();
}

}  // namespace

std::optional<QString> FileDialogNames::openRuleBaseName(const QString& initialPath) {
    QFileDialog dialog(QApplication::activeWindow(), QCoreApplication::translate("FileDialogNames", "Open"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::AnyFile);
    return run(dialog, initialPath);
}

std::optional<QString> FileDialogNames::saveRuleBaseName(const QString& initialPath) {
    QFileDialog dialog(QApplication::activeWindow(), QCoreApplication::translate("FileDialogNames", "Save rulebase as"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("rb"));
    return run(dialog, initialPath);
}

}  // namespace zorv
