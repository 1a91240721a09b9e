#include "app/core/interchange/InterchangeTransfer.h"

#include <filesystem>
#include <system_error>

#include "app/core/workbench/Prompter.h"
#include "interchange/EInterchange.h"
#include "interchange/ForeignExport.h"
#include "interchange/ForeignImport.h"
#include "io/EWrite.h"
#include "rulebase/CRuleBase.h"
#include "text/TextExcerpt.h"

namespace zorv {

namespace {

// The messages as lines of a box: a damaged file can have a problem on each of its many thousand lines, or a
// name a megabyte long, and the box must still fit on the screen.
std::string Lines(const std::vector<std::string>& messages) {
    constexpr std::size_t kShownLines = 20;
    constexpr std::size_t kLineBytes = 2 * TextExcerpt::kLineBytes;
    std::string text;
    for (std::size_t i = 0; i < messages.size() && i < kShownLines; ++i)
        text += TextExcerpt::of(messages[i], kLineBytes) + "\n";
    if (messages.size() > kShownLines) text += "... and " + std::to_string(messages.size() - kShownLines) + " more\n";
    return text;
}

bool SameFile(const std::string& a, const std::string& b) {
    std::error_code error;
    return !a.empty() && !b.empty() && std::filesystem::equivalent(a, b, error);
}

// The notes worth a box: the replacements and the rules left out (the grids and renamings are routine).
std::vector<std::string> Changes(const std::vector<std::string>& notes) {
    std::vector<std::string> out;
    for (const std::string& note : notes)
        if (note.find("; replaced by ") != std::string::npos || note.find(" is left out") != std::string::npos)
            out.push_back(note);
    return out;
}

}  // namespace

InterchangeTransfer::Reading InterchangeTransfer::Read(const std::string& path) {
    Reading reading;
    try {
        try {
            reading.exact = ForeignImport::FromFile(path, {false});
            return reading;
        } catch (const EInterchange& refused) {
            reading.problems = refused.messages();
        }
        reading.approximate = ForeignImport::FromFile(path, {true});
    } catch (const EInterchangeFile& error) {
        reading.fileError = error.what();
    } catch (const EInterchange& refused) {
        reading.refusal = refused.messages();
    }
    return reading;
}

std::unique_ptr<CRuleBase> InterchangeTransfer::Present(Reading reading, Prompter& prompter) {
    if (reading.fileError) {
        prompter.show({*reading.fileError, "IO Error", PromptIcon::error});
        return nullptr;
    }
    if (!reading.refusal.empty()) {
        prompter.show({"The file cannot be imported:\n\n" + Lines(reading.refusal), "Error", PromptIcon::error});
        return nullptr;
    }
    if (reading.exact) {
        const std::vector<std::string> changes = Changes(reading.exact->notes);
        if (!changes.empty()) prompter.show({"Left out on import:\n\n" + Lines(changes), "Information", PromptIcon::information});
        return std::move(reading.exact->unit);
    }
    if (!reading.approximate) return nullptr;
    // The question is asked only when the replacements make the file importable; otherwise the problems they
    // cannot solve have been shown.
    const PromptMessage question{"The file cannot be imported exactly:\n\n" + Lines(reading.problems) +
                                     "\nImport it with the nearest representable replacements?",
                                 "Confirmation", PromptIcon::question};
    if (prompter.ask(question, PromptButtons::yesNo) != PromptAnswer::yes) return nullptr;
    prompter.show({"Replaced on import:\n\n" + Lines(Changes(reading.approximate->notes)), "Information",
                   PromptIcon::information});
    return std::move(reading.approximate->unit);
}

std::unique_ptr<CRuleBase> InterchangeTransfer::Import(const std::string& path, Prompter& prompter) {
    return Present(Read(path), prompter);
}

bool InterchangeTransfer::Export(const CRuleBase& unit, const std::string& path, InterchangeFormat format,
                                 Prompter& prompter, const std::string& sourcePath) {
    const std::string header = format == InterchangeFormat::C ? ForeignExport::HeaderPath(path) : std::string();
    if (SameFile(path, sourcePath) || SameFile(header, sourcePath)) {
        prompter.show({"The export would replace the rule base's own file " + sourcePath + ".", "Error", PromptIcon::error});
        return false;
    }
    // The file dialog asked before the source was replaced, but the header beside it is written as well.
    std::error_code error;
    if (!header.empty() && std::filesystem::exists(header, error)) {
        const PromptMessage question{header + " already exists.\nDo you want to replace it?", "Confirmation",
                                     PromptIcon::question};
        if (prompter.ask(question, PromptButtons::yesNo) != PromptAnswer::yes) return false;
    }
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
