#pragma once

#include <memory>

#include "app/qt/files/FileNameProvider.h"

class QFileDialog;

namespace zorv {

// File names chosen in the platform's file dialogs, filtered to rule base files.
class FileDialogNames final : public FileNameProvider {
public:
    static constexpr const char* kAllFilesFilter = "All files (*.*)";
    static constexpr const char* kRuleBaseFilter = "Rulebase (*.rb)";

    std::optional<QString> openRuleBaseName(const QString& initialPath) override;
    std::optional<QString> saveRuleBaseName(const QString& initialPath) override;
    std::optional<QString> importFileName() override;
    std::optional<QString> openDataFileName(const QString& initialDirectory) override;
    std::optional<QString> saveOutputFileName(const QString& initialPath) override;
    std::optional<QString> saveFTVectorName(const QString& initialPath) override;
    std::optional<ExportTarget> exportTarget(const QString& initialPath) override;
    std::optional<QString> exportImageName(const QString& initialPath) override;

    // The save dialog of an output table ("out") or an FT-Vector file ("ftv"), starting with initialPath; it
    // asks before an existing file is replaced.
    static std::unique_ptr<QFileDialog> saveDialog(const QString& suffix, const QString& initialPath);
};

}  // namespace zorv
