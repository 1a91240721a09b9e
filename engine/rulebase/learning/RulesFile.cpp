#include "rulebase/learning/RulesFile.h"

#include <ostream>
#include <system_error>

#include "io/AtomicFileWriter.h"
#include "io/EWrite.h"

namespace zorv {

std::filesystem::path RulesFile::pathFor(const std::filesystem::path& dataFile,
                                         const std::filesystem::path& ruleBaseFile) {
    std::error_code error;
    const bool dataExists = !dataFile.empty() && std::filesystem::exists(dataFile, error);
    std::filesystem::path path = dataExists ? dataFile : ruleBaseFile;
    return path.replace_extension(".rules");
}

std::string RulesFile::line(const LearnedRule& rule) {
    std::string text;
    for (const std::string& expression : rule.texts) {
        text += expression;
        text += '\t';
    }
    text += std::to_string(rule.count);
    text += '\n';
    return text;
}

std::optional<std::string> RulesFile::write(const std::filesystem::path& path, std::span<const LearnedRule> rules) {
    try {
        AtomicFileWriter::write(path, [rules](std::ostream& out) {
            for (const LearnedRule& rule : rules) out << line(rule);
        });
        return std::nullopt;
    } catch (const EWrite& failure) {
        return failure.what();
    }
}

}  // namespace zorv
