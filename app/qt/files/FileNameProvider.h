#pragma once

#include <QString>
#include <optional>

#include "app/qt/surface/ImageFileNames.h"
#include "interchange/InterchangeFormat.h"

namespace zorv {

// Asks the user for rule base file names, data files, and where to export pictures. The windows go through
// this instead of opening file dialogs themselves, so that tests can answer.
class FileNameProvider : public ImageFileNames {
public:
    ~FileNameProvider() override = default;

    // The file to open. initialPath, when not empty, names the directory and file the dialog starts with.
    virtual std::optional<QString> openRuleBaseName(const QString& initialPath) = 0;
    // "Save rulebase as", starting with initialPath.
    virtual std::optional<QString> saveRuleBaseName(const QString& initialPath) = 0;

    // A file of another fuzzy tool to import (FIS, FCL, FLL). None: cancelled.
    virtual std::optional<QString> importFileName() { return std::nullopt; }

    // The data file to import into the data table ("Input data file" or "Output data file"), starting in
    // initialDirectory. None: cancelled.
    virtual std::optional<QString> openDataFileName(const QString& initialDirectory) {
        static_cast<void>(initialDirectory);
        return std::nullopt;
    }
    // Where to save the data table as an output file, and where to write an FT-Vector file, starting with
    // initialPath; both ask before replacing an existing file.
    virtual std::optional<QString> saveOutputFileName(const QString& initialPath) {
        static_cast<void>(initialPath);
        return std::nullopt;
    }
    virtual std::optional<QString> saveFTVectorName(const QString& initialPath) {
        static_cast<void>(initialPath);
        return std::nullopt;
    }
    // Where and in which format (chosen by the filter) to export, starting in initialPath's directory.
    struct ExportTarget {
        QString path;
        InterchangeFormat format;
    };
    virtual std::optional<ExportTarget> exportTarget(const QString& initialPath) {
        static_cast<void>(initialPath);
        return std::nullopt;
    }
    std::optional<QString> exportImageName(const QString& initialPath) override {
        static_cast<void>(initialPath);
        return std::nullopt;
    }
};

}  // namespace zorv
