#include "fuzzy/vocabulary/CLingTerm.h"

#include <array>

#include "fuzzy/vocabulary/CLingWords.h"

namespace zorv {

namespace {

// Ranks by hedge: none, extremely .. very roughly, negation (-1 where the atom takes no such hedge).
constexpr std::array<int, 10> kSmallBigRanks{19, 12, 17, 18, 20, 22, 24, 26, 28, 50};
constexpr std::array<int, 10> kMediumRanks{29, -1, -1, -1, -1, 32, 34, 36, 38, 45};
constexpr std::array<int, 10> kZeroRanks{8, -1, -1, -1, -1, -1, 12, -1, -1, 60};

int rankByHedge(const std::array<int, 10>& ranks, int hedge) {
    const int column = hedge + 1;
    return column >= 0 && column < static_cast<int>(ranks.size()) ? ranks[static_cast<std::size_t>(column)] : -1;
}

bool isGraded(int atom) { return atom == CLingTerm::kSmall || atom == CLingTerm::kMedium || atom == CLingTerm::kBig; }

}  // namespace

int CLingTerm::specificity() const {
    switch (atom) {
        case kSmall:
        case kBig: return rankByHedge(kSmallBigRanks, hedge);
        case kMedium: return rankByHedge(kMediumRanks, hedge);
        case kZero: return rankByHedge(kZeroRanks, hedge);
        case kFuzzyNumber: return 8;
        case kOther: return 0;
        case kCompound: return 30;
        case kUserTerm: return 10;
        case kUndef: return 65;
        default: return -1;
    }
}

int CLingTerm::hedgeWidthRank(int hedge) {
    switch (hedge) {
        case kExtremely: return 0;
        case kSignificantly: return 1;
        case kVery: return 2;
        case kNoHedge: return 3;
        case kRather: return 4;
        case kMoreOrLess: return 5;
        case kRoughly: return 6;
        case kQuiteRoughly: return 7;
        case kVeryRoughly: return 8;
        default: return -1;
    }
}

int CLingTerm::inclusionOrder(const CLingTerm& a, const CLingTerm& b) {
    if (a == b) return 0;
    if (!isGraded(a.atom) || a.atom != b.atom || a.sign != b.sign) return 100;
    const int ra = hedgeWidthRank(a.hedge);
    const int rb = hedgeWidthRank(b.hedge);
    if (ra < 0 || rb < 0 || ra == rb) return 100;
    return ra < rb ? 1 : 2;
}

std::string CLingTerm::abbreviated() const {
    if (atom == kUserTerm) return "user_ex";
    std::string out;
    if (sign < 0) out += '-';
    const std::string_view h = CLingWords::hedgeAbbreviation(hedge);
    if (!h.empty()) {
        out += h;
        out += ' ';
    }
    if (atom >= 0 && atom < CLingWords::kAtomCount) {
        out += CLingWords::kAtomAbbreviations[static_cast<std::size_t>(atom)];
    } else if (atom == kUndef) {
        out += "undef";
    } else {
        out += "N/A";
    }
    return out;
}

std::string CLingTerm::form() const {
    switch (atom) {
        case kCompound:
            return "compound";
        case kFuzzyNumber:
            return "number";
        case kUserTerm:
            return "user term";
        default:
            return abbreviated();
    }
}

}  // namespace zorv
