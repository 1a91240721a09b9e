#include "rulebase/learning/RulesFile.h"

#include <ostream>
#include <system_error>

#include "ftransform/transform/AtomicFileWriter.h"

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

bool RulesFile::write(const std::filesystem::path& path, std::span<const LearnedRule> rules) {
    return AtomicFileWriter::write(path, [rules](std::ostream& out) {
        std::string text;
        for (const LearnedRule& rule : rules) {
            text += line(rule);
            if (text.size() >= (std::size_t{1} << 16)) {
                out << text;
                text.clear();
            }
        }
        out << text;
        return static_cast<bool>(out);
    });
}

}  // namespace zorv
