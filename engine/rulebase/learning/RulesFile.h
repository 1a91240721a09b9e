#pragma once

#include <filesystem>
#include <optional>
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

    // Creates or overwrites the file through AtomicFileWriter. When it cannot be written, a previous file is
    // left as it was and the writer's message ("cannot write PATH: REASON") comes back.
    static std::optional<std::string> write(const std::filesystem::path& path, std::span<const LearnedRule> rules);

    static std::string line(const LearnedRule& rule);
};

}  // namespace zorv
