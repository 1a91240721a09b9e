// Perception of crisp values and the sort order of expressions of the linguistic vocabulary.
#include <algorithm>
#include <array>
#include <string>

#include "fuzzy/expression/ExpressionText.h"
#include "fuzzy/sets/CFuzzyQuadraticSet.h"
#include "fuzzy/vocabulary/CLinguisticSettings.h"

namespace zorv {

namespace {

constexpr double kDegreeCap = 0.9;

bool admitsHedge(int mode, int hedge) {
    switch (mode) {
        case 0: return hedge == CLingTerm::kNoHedge;
        case 1: return hedge == CLingTerm::kNoHedge || hedge == CLingTerm::kVery || hedge == CLingTerm::kMoreOrLess;
        case 3: return hedge != CLingTerm::kRather;
        default: return true;
    }
}

bool admitsMediumHedge(int mode, int hedge) {
    switch (mode) {
        case 0: return hedge == CLingTerm::kNoHedge;
        case 1: return hedge == CLingTerm::kNoHedge || hedge == CLingTerm::kMoreOrLess;
        default: return true;
    }
}

// The best candidate so far: greatest (capped) degree, then smallest specificity rank.
class CBestCandidate {
public:
    void offer(const CLingTerm& term, double degree) {
        degree = std::min(degree, kDegreeCap);
        const int rank = term.specificity();
        if (!found_ || degree > degree_ || (degree == degree_ && rank < rank_)) {
            found_ = true;
            best_ = term;
            degree_ = degree;
            rank_ = rank;
        }
    }
    const CLingTerm& best() const { return best_; }

private:
    bool found_ = false;
    CLingTerm best_;
    double degree_ = 0.0;
    int rank_ = 0;
};

// Rank of a hedge for sorting: the inclusion order's width ranks, negation after them.
int sortRank(int hedge) {
    const int rank = CLingTerm::hedgeWidthRank(hedge);
    return rank >= 0 ? rank : 9;
}

// Character order with lower-case letters folded to upper case: 1 when a is smaller at the first
// difference, 0 when larger, -1 when one text ends first.
int compareTexts(std::string_view a, std::string_view b) {
    auto fold = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; };
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) {
        const auto ca = static_cast<unsigned char>(fold(a[i]));
        const auto cb = static_cast<unsigned char>(fold(b[i]));
        if (ca != cb) return ca < cb ? 1 : 0;
    }
    return -1;
}

bool isEvaluative(const CLingTerm& d) { return d.atom >= CLingTerm::kSmall && d.atom <= CLingTerm::kZero; }

}  // namespace

void CLinguisticSettings::perceive(double x, CLingTerm& d, int mode) const {
    perceiveWith(x, d, mode, CLingTerm::kVeryRoughly, false);
}

void CLinguisticSettings::perceiveWithUserTerms(double x, CLingTerm& d, int mode) const {
    perceiveWith(x, d, mode, CLingTerm::kRoughly, true);
}

void CLinguisticSettings::perceiveWith(double x, CLingTerm& d, int mode, int lastHedge, bool withUserTerms) const {
    int sign = 0;
    double u = 0.0;
    if (symmetric_) {
        sign = x >= 0.0 ? 1 : -1;
        u = x >= 0.0 ? x / high() : x / low();
    } else {
        u = normalizedValue(x);
    }
    if (!(u > 0.0)) u = 0.0;  // also NaN
    if (u > 1.0) u = 1.0;

    CBestCandidate best;
    if (u == 0.0) {
        best.offer(*shapes_.find(CLingTerm::kZero, CLingTerm::kNoHedge), 1.0);
    } else {
        auto degreeOf = [&](const CLingTerm& t) {
            const CLingShapes::Row p = shapes_.shape(t.atom, t.hedge, 0, symmetric_).value();
            return CFuzzyQuadraticSet(p[0], p[1], p[2], p[3], p[4], p[5], normalizedLow(), normalizedHigh()).mu(u);
        };
        const int atom = u >= shapes_.centre() ? CLingTerm::kBig : CLingTerm::kSmall;
        for (int h = CLingTerm::kNoHedge; h <= lastHedge; ++h) {
            const CLingTerm* t = shapes_.find(atom, h);
            if (t != nullptr && admitsHedge(mode, h)) best.offer(*t, degreeOf(*t));
        }
        for (int h = CLingTerm::kNoHedge; h <= lastHedge; ++h) {
            const CLingTerm* t = shapes_.find(CLingTerm::kMedium, h);
            if (t != nullptr && admitsMediumHedge(mode, h)) best.offer(*t, degreeOf(*t));
        }
        if (withUserTerms) {
            for (int i = standardTermCount(); i < static_cast<int>(terms().size()); ++i) {
                CLingTerm user;
                user.atom = CLingTerm::kUserTerm;
                user.userIndex = i;
                best.offer(user, terms()[static_cast<std::size_t>(i)].element.get()->membership(x));
            }
        }
    }
    d = best.best();
    d.sign = d.atom == CLingTerm::kUserTerm ? 0 : sign;
}

int CLinguisticSettings::compareExpressions(std::string_view a, std::string_view b) const {
    const std::optional<CLingTerm> da = sortTerm(a);
    const std::optional<CLingTerm> db = sortTerm(b);
    if (!da || !db) return -1;
    return compareSortTerms(*da, a, *db, b);
}

std::optional<CLingTerm> CLinguisticSettings::sortTerm(std::string_view text) const {
    if (checkSyntax(text)) return std::nullopt;
    CLingTerm d;
    describeExpression(*this, text, d);
    return d;
}

int CLinguisticSettings::compareSortTerms(const CLingTerm& da, std::string_view a, const CLingTerm& db,
                                          std::string_view b) {
    if (!isEvaluative(da) || !isEvaluative(db)) return compareTexts(a, b);
    if (da.sign != db.sign) return da.sign < db.sign ? 1 : 0;
    if (da.atom != db.atom) {
        const bool larger = da.atom > db.atom;
        return da.sign < 0 ? (larger ? 1 : 0) : (larger ? 0 : 1);
    }
    if (da.atom == CLingTerm::kZero) return 0;
    const int ra = sortRank(da.hedge);
    const int rb = sortRank(db.hedge);
    // Narrower first for non-negative small and medium and for negative big; wider first otherwise.
    const bool narrowerFirst = (da.sign >= 0) != (da.atom == CLingTerm::kBig);
    return narrowerFirst ? (ra < rb ? 1 : 0) : (ra > rb ? 1 : 0);
}

}  // namespace zorv
