#include "cli/RuleBaseLoader.h"

#include "cli/CommandFiles.h"
#include "rulebase/CRuleBase.h"
#include "rulebase/CRuleBaseReader.h"
#include "rulebase/RuleBaseErrorPlace.h"
#include "text/TextExcerpt.h"

namespace zorv::cli {

std::unique_ptr<CRuleBase> RuleBaseLoader::load(const std::string& path, std::ostream& diagnostics) {
    requireReadableFile(path);
    std::string text;
    try {
        text = CRuleBaseReader::ReadFile(path);
        return CRuleBase::LoadFromText(text, path, diagnostics);
    } catch (const ESyntax& error) {
        throw RuleBaseSyntaxError(syntaxErrorReport(path, error, text));
    }
}

std::string RuleBaseLoader::syntaxErrorReport(const std::string& path, const ESyntax& error, std::string_view text) {
    std::string report = path;
    if (const auto place = RuleBaseErrorPlace::of(error, text)) {
        report += ':' + std::to_string(place->number) + ':' + std::to_string(place->offset + 1);
    }
    report += ": Syntax error: " + error.message();
    if (error.text()) {
        const std::string line = TextExcerpt::of(*error.text(), TextExcerpt::kLineBytes);
        if (!line.empty()) {
            report += "\n" + line;
        }
    }
    return report;
}

}  // namespace zorv::cli
