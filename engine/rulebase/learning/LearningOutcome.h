#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "rulebase/learning/LearningMessages.h"

namespace zorv {

// What a learning run leaves to its caller.
//   refusal:  the run did not start and nothing changed; the message to show.
//   added:    the number of rules learned from data rows and put into the rule base.
//   dropped:  one line per rule left out because one of its cells does not compile with the vocabularies
//             as they are after the run (a carried-over rule naming a user term pentatomy removed, say).
//   rulesFile, rulesFileProblem: the ".rules" file, and why it could not be written (none when it was).
//   cancelled: the run was stopped on request before it wrote or installed anything.
struct LearningOutcome {
    std::optional<std::string> refusal;
    bool cancelled = false;
    int added = 0;
    std::vector<std::string> dropped;
    std::filesystem::path rulesFile;
    std::optional<std::string> rulesFileProblem;

    // The refusal, or "N rules were added.".
    std::string message() const { return refusal ? *refusal : LearningMessages::rulesAdded(added); }
};

}  // namespace zorv
