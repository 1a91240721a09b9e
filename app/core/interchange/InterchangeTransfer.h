#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "interchange/ForeignImporter.h"
#include "interchange/InterchangeFormat.h"

namespace zorv {

class CRuleBase;
class Prompter;

// File > Import... and File > Export... without the windows: reading a file of another fuzzy tool into a new rule
// base and writing a rule base in such a format or as C, with the questions and messages going through a
// Prompter.
class InterchangeTransfer {
public:
    // What reading a file for import found, before anything is shown or asked: the exact import, or its problems
    // and the import with replacements; or why the file cannot be imported at all.
    struct Reading {
        std::optional<ImportOutcome> exact;
        std::vector<std::string> problems;
        std::optional<ImportOutcome> approximate;
        std::optional<std::string> fileError;
        std::vector<std::string> refusal;
    };

    // Reads path as an import would; the long part of an import, free of questions, so a worker can run it.
    static Reading Read(const std::string& path);
    // Shows what reading found and asks what to do, as Import does; null when nothing is to be imported.
    static std::unique_ptr<CRuleBase> Present(Reading reading, Prompter& prompter);
    // Imports path. When the file cannot be imported exactly but replacements would do, the problems are listed
    // and the user is asked whether to import it with the nearest representable replacements (the replacements
    // are then listed); when not even they would, the problems they cannot solve are shown.
    // Null when nothing was imported (the reason has been shown).
    static std::unique_ptr<CRuleBase> Import(const std::string& path, Prompter& prompter);
    // Writes unit to path in format (C: path and the header beside it, asking before an existing header is
    // replaced). sourcePath, the file the rule base was opened from, is never replaced. False after showing why
    // nothing was written, or when the user declined.
    static bool Export(const CRuleBase& unit, const std::string& path, InterchangeFormat format, Prompter& prompter,
                       const std::string& sourcePath = {});
};

}  // namespace zorv
