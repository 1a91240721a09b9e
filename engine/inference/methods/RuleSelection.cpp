#include "inference/methods/RuleSelection.h"

namespace zorv {

double SelectRules(std::span<const SelectionCandidate> candidates, double threshold, std::vector<int>& selected) {
    selected.clear();
    double best = 0.0;
    double bestRaw = 0.0;
    std::uint16_t selectedSpecificity = 0;  // every rule of S has the same specificity
    const auto restart = [&](const SelectionCandidate& c) {
        selected.assign(1, c.rule);
        bestRaw = c.degree;
        selectedSpecificity = c.specificity;
    };
    for (const SelectionCandidate& c : candidates) {
        if (c.degree > best && best != threshold) {
            restart(c);
            best = c.degree > threshold ? threshold : c.degree;
        } else if (c.degree == best || c.degree >= threshold) {
            // With a threshold of 0 or below nothing can found S above; the first such rule founds it here.
            if (selected.empty() || c.specificity < selectedSpecificity) {
                restart(c);
            } else if (c.specificity == selectedSpecificity) {
                selected.push_back(c.rule);
            }
        }
    }
    return bestRaw;
}

}  // namespace zorv
