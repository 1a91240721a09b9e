#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace zorv {

// A rule competing in Perception-based Logical Deduction: its index, degree (> 0) and specificity.
struct SelectionCandidate {
    int rule = 0;
    double degree = 0.0;
    std::uint16_t specificity = 0;
};

// The selection of Perception-based Logical Deduction, offered the candidates one at a time, in rule order,
// starting from best = 0, bestRaw = 0 and an empty S:
//  - d > best and best != t: S = [r], best = bestRaw = d, then best = t when it exceeds t;
//  - else d = best or d >= t: a lower specificity value replaces S by [r] (bestRaw = d), an equal one joins S,
//    a higher one is ignored;
//  - else r is ignored.
// Degrees at or above the threshold t thus count as equal.
class RuleSelector {
public:
    enum class Step { Ignored, Restarted, Joined };

    explicit RuleSelector(double threshold) : threshold_(threshold) {}

    // What the candidate does to S: restarts it as [r], joins it, or nothing.
    Step Offer(double degree, std::uint16_t specificity) {
        if (degree > best_ && best_ != threshold_) {
            Restart(degree, specificity);
            best_ = degree > threshold_ ? threshold_ : degree;
            return Step::Restarted;
        }
        if (degree == best_ || degree >= threshold_) {
            // With a threshold of 0 or below nothing can found S above; the first such rule founds it here.
            if (empty_ || specificity < specificity_) {
                Restart(degree, specificity);
                return Step::Restarted;
            }
            if (specificity == specificity_) return Step::Joined;
        }
        return Step::Ignored;
    }
    // The degree of the rule that founded S (0 while S is empty).
    double bestRaw() const { return bestRaw_; }

private:
    void Restart(double degree, std::uint16_t specificity) {
        bestRaw_ = degree;
        specificity_ = specificity;  // every rule of S has the same specificity
        empty_ = false;
    }

    double threshold_;
    double best_ = 0.0;
    double bestRaw_ = 0.0;
    std::uint16_t specificity_ = 0;
    bool empty_ = true;
};

// Runs the selection over the candidates; the rules of S are written to selected (in order). Returns bestRaw.
double SelectRules(std::span<const SelectionCandidate> candidates, double threshold, std::vector<int>& selected);

}  // namespace zorv
