#include "rulebase/analysis/AnalysisCell.h"

namespace zorv {

bool AnalysisCell::graded() const {
    return term && term->atom >= CLingTerm::kSmall && term->atom <= CLingTerm::kBig;
}

bool AnalysisCell::negated() const {
    return graded() && term->hedge == CLingTerm::kNegation;
}

int AnalysisCell::compare(const AnalysisCell& a, const AnalysisCell& b) {
    if (!a.parsed() || !b.parsed()) {
        return kUnparsed;
    }
    if (a.term->atom != b.term->atom) {
        return kIncomparable;
    }
    if (!a.graded()) {
        return a.text == b.text ? kEqual : kIncomparable;
    }
    return CLingTerm::inclusionOrder(*a.term, *b.term);
}

}  // namespace zorv
