#include "cli/RuleBaseLoader.h"

#include "cli/CommandFiles.h"
#include "rulebase/CRuleBase.h"

namespace zorv::cli {

namespace {

// Context lines can be anything the file holds; a report shows this much of one.
constexpr std::size_t kMaxContextShown = 200;

}  // namespace

std::unique_ptr<CRuleBase> RuleBaseLoader::load(const std::string& path, std::ostream& diagnostics) {
    requireReadableFile(path);
    try {
        return CRuleBase::Load(path, diagnostics);
    } catch (const ESyntax& error) {
        throw RuleBaseSyntaxError(syntaxErrorReport(path, error));
    }
}

std::string RuleBaseLoader::syntaxErrorReport(const std::string& path, const ESyntax& error) {
    std::string report = path + ": Syntax error: " + error.message();
    if (error.text()) {
        const std::string line = firstLine(*error.text());
        if (!line.empty()) {
            report += "\n" + line;
        }
    }
    return report;
}

// The first line of a context, shortened and with control bytes shown as "?".
std::string RuleBaseLoader::firstLine(const std::string& text) {
    std::string line;
    for (const char c : text) {
        if (c == '\n' || c == '\r') {
            break;
        }
        if (line.size() == kMaxContextShown) {
            line += "...";
            break;
        }
        const auto byte = static_cast<unsigned char>(c);
        line += (byte < 32 || byte == 127) && c != '\t' ? '?' : c;
    }
    return line;
}

}  // namespace zorv::cli
