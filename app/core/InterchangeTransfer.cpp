#include "app/core/InterchangeTransfer.h"

#include "app/core/Prompter.h"
#include "interchange/EInterchange.h"
#include "interchange/ForeignExport.h"
#include "interchange/ForeignImport.h"
#include "io/EWrite.h"
#include "rulebase/CRuleBase.h"

namespace zorv {

namespace {

std::string Lines(const std::vector<std::string>& messages) {
    std::string text;
    for (const std::string& message : messages) text += message + "\n";
    return text;
}

// The notes worth a box: the replacements (the grids and renamings are routine).
std::vector<std::string> Replacements(const std::vector<std::string>& notes) {
    std::vector<std::string> out;
    for (const std::string& note : notes)
        if (note.find("; replaced by ") != std::string::npos) out.push_back(note);
    return out;
}

}  // namespace

std::unique_ptr<CRuleBase> InterchangeTransfer::Import(const std::string& path, Prompter& prompter) {
    try {
        std::vector<std::string> problems;
        try {
            return ForeignImport::FromFile(path, {false}).unit;
        } catch (const EInterchange& refused) {
            problems = refused.messages();
        }
        // The question is asked only when the replacements make the file importable; otherwise the problems
        // they cannot solve are shown.
        ImportOutcome outcome = ForeignImport::FromFile(path, {true});
        const PromptMessage question{"The file cannot be imported exactly:\n\n" + Lines(problems) +
                                         "\nImport it with the nearest representable replacements?",
                                     "Confirmation", PromptIcon::question};
        if (prompter.ask(question, PromptButtons::yesNo) != PromptAnswer::yes) return nullptr;
        prompter.show({"Replaced on import:\n\n" + Lines(Replacements(outcome.notes)), "Information", PromptIcon::information});
        return std::move(outcome.unit);
    } catch (const EInterchangeFile& error) {
        prompter.show({error.what(), "IO Error", PromptIcon::error});
    } catch (const EInterchange& refused) {
        prompter.show({"The file cannot be imported:\n\n" + Lines(refused.messages()), "Error", PromptIcon::error});
    }
    return nullptr;
}

bool InterchangeTransfer::Export(const CRuleBase& unit, const std::string& path, InterchangeFormat format,
                                 Prompter& prompter) {
    try {
        if (format == InterchangeFormat::C) {
            ForeignExport::WriteC(unit, path, "");
        } else {
            ForeignExport::WriteText(unit, format, path);
        }
        return true;
    } catch (const EInterchange& refused) {
        prompter.show({"The rule base cannot be exported:\n\n" + Lines(refused.messages()), "Error", PromptIcon::error});
    } catch (const EWrite& error) {
        prompter.show({error.what(), "Write Error", PromptIcon::error});
    }
    return false;
}

}  // namespace zorv
