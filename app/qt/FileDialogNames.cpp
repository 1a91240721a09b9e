#include "app/qt/FileDialogNames.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>

namespace zorv {
namespace {

std::optional<QString> run(QFileDialog& dialog, const QString& initialPath) {
    dialog.setNameFilters({FileDialogNames::kAllFilesFilter, FileDialogNames::kRuleBaseFilter});
    dialog.selectNameFilter(FileDialogNames::kRuleBaseFilter);
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
    QFileDialog dialog(QApplication::activeWindow(), QStringLiteral("Open"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::AnyFile);
    return run(dialog, initialPath);
}

std::optional<QString> FileDialogNames::saveRuleBaseName(const QString& initialPath) {
    QFileDialog dialog(QApplication::activeWindow(), QStringLiteral("Save rulebase as"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("rb"));
    return run(dialog, initialPath);
}

}  // namespace zorv
