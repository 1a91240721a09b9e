#include "app/qt/files/FileDialogNames.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <array>

#include "app/qt/surface/ImageFileDialog.h"

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

struct FormatFilter {
    const char* filter;
    InterchangeFormat format;
    const char* suffix;
};

// The export formats, one filter each: the chosen filter decides the format.
constexpr std::array<FormatFilter, 4> kExportFilters{{
    {QT_TRANSLATE_NOOP("FileDialogNames", "FuzzyLite Language (*.fll)"), InterchangeFormat::Fll, "fll"},
    {QT_TRANSLATE_NOOP("FileDialogNames", "Fuzzy Inference System (*.fis)"), InterchangeFormat::Fis, "fis"},
    {QT_TRANSLATE_NOOP("FileDialogNames", "Fuzzy Control Language (*.fcl)"), InterchangeFormat::Fcl, "fcl"},
    {QT_TRANSLATE_NOOP("FileDialogNames", "Stand-alone C (*.c)"), InterchangeFormat::C, "c"},
}};

QString tr(const char* text) { return QCoreApplication::translate("FileDialogNames", text); }

std::optional<QString> chosen(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().constFirst();
}


}  // namespace

std::optional<QString> FileDialogNames::importFileName() {
    QFileDialog dialog(QApplication::activeWindow(), tr("Import"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters({tr("Fuzzy systems (*.fis *.fcl *.fll)"), tr(kAllFilesFilter)});
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

std::optional<QString> FileDialogNames::openDataFileName(const QString& initialDirectory) {
    QFileDialog dialog(QApplication::activeWindow(), tr("Import file"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters({tr("Input data file (*.txt)"), tr("Output data file (*.out)")});
    dialog.setDefaultSuffix(QStringLiteral("txt"));
    if (!initialDirectory.isEmpty()) dialog.setDirectory(initialDirectory);
    return chosen(dialog);
}

std::optional<QString> FileDialogNames::saveOutputFileName(const QString& initialPath) {
    return chosen(*saveDialog(QStringLiteral("out"), initialPath));
}

std::optional<QString> FileDialogNames::saveFTVectorName(const QString& initialPath) {
    return chosen(*saveDialog(QStringLiteral("ftv"), initialPath));
}

// The dialog asks before an existing file is replaced (QFileDialog's default), as every save of the
// workbench does.
std::unique_ptr<QFileDialog> FileDialogNames::saveDialog(const QString& suffix, const QString& initialPath) {
    const bool output = suffix == QLatin1String("out");
    auto dialog = std::make_unique<QFileDialog>(QApplication::activeWindow(),
                                                output ? tr("Save File") : tr("Save FT-Vector file"));
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setNameFilter(output ? tr("Output file (*.out)") : tr("FT-Vector file (*.ftv)"));
    dialog->setDefaultSuffix(suffix);
    if (!initialPath.isEmpty()) {
        const QFileInfo initial(initialPath);
        dialog->setDirectory(initial.absolutePath());
        dialog->selectFile(initial.fileName());
    }
    return dialog;
}

std::optional<FileNameProvider::ExportTarget> FileDialogNames::exportTarget(const QString& initialPath) {
    QFileDialog dialog(QApplication::activeWindow(), tr("Export"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    QStringList filters;
    for (const FormatFilter& f : kExportFilters) filters << tr(f.filter);
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(QString::fromLatin1(kExportFilters[0].suffix));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, filters](const QString& filter) {
        dialog.setDefaultSuffix(QString::fromLatin1(kExportFilters[static_cast<std::size_t>(filters.indexOf(filter))].suffix));
    });
    if (!initialPath.isEmpty()) {
        const QFileInfo initial(initialPath);
        dialog.setDirectory(initial.absolutePath());
        dialog.selectFile(initial.completeBaseName());
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    // A name typed with the extension of a format ("tipper.fis") chooses that format whatever the filter says.
    const QString path = dialog.selectedFiles().constFirst();
    const qsizetype chosen = filters.indexOf(dialog.selectedNameFilter());
    const auto typed = InterchangeFormats::FromPath(path.toStdString());
    return ExportTarget{path, typed ? *typed : kExportFilters[static_cast<std::size_t>(chosen < 0 ? 0 : chosen)].format};
}

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

std::optional<QString> FileDialogNames::exportImageName(const QString& initialPath) {
    return ImageFileDialog().exportImageName(initialPath);
}

}  // namespace zorv
