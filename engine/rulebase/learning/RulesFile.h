#pragma once

#include <filesystem>
#include <span>
#include <string>

#include "rulebase/learning/LearnedRule.h"

namespace zorv {

// The ".rules" file learning writes: one line per rule in list order, each expression text followed by a
// tab, then the rule's count in decimal, then the line end.
class RulesFile {
public:
    // The data file's name with the extension ".rules" when the data file exists, otherwise the rule base
    // file's name with that extension.
    static std::filesystem::path pathFor(const std::filesystem::path& dataFile,
                                         const std::filesystem::path& ruleBaseFile);

    // Creates or overwrites the file through AtomicFileWriter; false when it could not be written, a
    // previous file being left as it was.
    static bool write(const std::filesystem::path& path, std::span<const LearnedRule> rules);

    static std::string line(const LearnedRule& rule);
};

}  // namespace zorv
