#include "cli/RuleBaseLoader.h"

#include "cli/CommandFiles.h"
#include "rulebase/CRuleBase.h"
#include "text/TextExcerpt.h"

namespace zorv::cli {

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
        const std::string line = TextExcerpt::of(*error.text(), TextExcerpt::kLineBytes);
        if (!line.empty()) {
            report += "\n" + line;
        }
    }
    return report;
}

}  // namespace zorv::cli
