#include "inference/methods/RuleSelection.h"

namespace zorv {

double SelectRules(std::span<const SelectionCandidate> candidates, double threshold, std::vector<int>& selected) {
    selected.clear();
    RuleSelector selector(threshold);
    for (const SelectionCandidate& c : candidates) {
        switch (selector.Offer(c.degree, c.specificity)) {
            case RuleSelector::Step::Restarted:
                selected.assign(1, c.rule);
                break;
            case RuleSelector::Step::Joined:
                selected.push_back(c.rule);
                break;
            case RuleSelector::Step::Ignored:
                break;
        }
    }
    return selector.bestRaw();
}

}  // namespace zorv
