#pragma once

#include <QString>
#include <optional>

namespace zorv {

// Asks the user for rule base file names. The windows go through this instead of opening file dialogs
// themselves, so that tests can answer.
class FileNameProvider {
public:
    virtual ~FileNameProvider() = default;

    // The file to open. initialPath, when not empty, names the directory and file the dialog starts with.
    virtual std::optional<QString> openRuleBaseName(const QString& initialPath) = 0;
    // "Save rulebase as", starting with initialPath.
    virtual std::optional<QString> saveRuleBaseName(const QString& initialPath) = 0;
};

}  // namespace zorv
