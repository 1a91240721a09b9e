#include "app/core/tuning/TuningSummary.h"

#include <algorithm>
#include <cctype>

#include "text/NumberText.h"
#include "tuning/TuningResult.h"

namespace zorv {

namespace {

std::string ErrorLine(const char* label, const std::string& measure, double before, double after, int rows) {
    std::string upper = measure;
    std::transform(upper.begin(), upper.end(), upper.begin(), [](unsigned char c) { return std::toupper(c); });
    if (upper == "MAX") upper = "largest error";
    return std::string(label) + " " + upper + ": " + NumberText::general(before) + " \u2192 " + NumberText::general(after) +
           " (" + std::to_string(rows) + " rows)";
}

}  // namespace

std::vector<std::string> TuningSummary::Errors(const TuningResult& result) {
    std::vector<std::string> lines{
        ErrorLine("Training", result.measure, result.trainingBefore, result.trainingAfter, result.trainingRows)};
    if (result.holdOutBefore && result.holdOutAfter) {
        lines.push_back(ErrorLine("Hold-out", result.measure, *result.holdOutBefore, *result.holdOutAfter,
                                  result.holdOutRows));
    }
    return lines;
}

std::vector<TuningSummary::Change> TuningSummary::Changes(const TuningResult& result) {
    std::vector<Change> changes;
    for (const ParameterChange& change : result.changes) {
        if (change.Moved()) {
            changes.push_back({change.name, NumberText::general(change.before), NumberText::general(change.after)});
        }
    }
    return changes;
}

std::string TuningSummary::Ending(const TuningResult& result) {
    return std::to_string(result.search.evaluations) + " evaluations in " + NumberText::fixed(result.search.seconds, 2) +
           " s: " + std::string(SearchOutcome::EndText(result.search.end)) + ".";
}

}  // namespace zorv
