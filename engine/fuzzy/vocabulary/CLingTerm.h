#pragma once

#include <string>

namespace zorv {

// Descriptor of one evaluative expression: its atom, user-term index, hedge, hedge factors and sign.
// It is the vocabulary's record of each of its standard expressions and also the summary of a parsed
// text used for ranking, comparison, perception and rule analysis.
struct CLingTerm {
    // Atoms.
    static constexpr int kSmall = 0;
    static constexpr int kMedium = 1;
    static constexpr int kBig = 2;
    static constexpr int kZero = 3;
    static constexpr int kUndef = -2;
    static constexpr int kUserTerm = -3;
    static constexpr int kCompound = -4;
    static constexpr int kFuzzyNumber = -5;
    static constexpr int kOther = -6;  // "ignor"
    static constexpr int kNoAtom = -10;

    // Hedges.
    static constexpr int kNoHedge = -1;
    static constexpr int kExtremely = 0;
    static constexpr int kSignificantly = 1;
    static constexpr int kVery = 2;
    static constexpr int kRather = 3;
    static constexpr int kMoreOrLess = 4;
    static constexpr int kRoughly = 5;
    static constexpr int kQuiteRoughly = 6;
    static constexpr int kVeryRoughly = 7;
    static constexpr int kNegation = 8;
    static constexpr int kAbout = 10;

    int atom = kNoAtom;
    int userIndex = -1;  // index into the vocabulary's terms when atom is kUserTerm
    int hedge = kNoHedge;
    double leftFactor = 1.0;
    double rightFactor = 1.0;
    int sign = 0;  // -1, 0, +1

    // Specificity rank: smaller is more specific; -1 for a combination that has no rank.
    int specificity() const;

    // Width rank of a hedge on small, medium and big: extremely 0, significantly 1, very 2, none 3,
    // rather 4, more or less 5, roughly 6, quite roughly 7, very roughly 8; -1 for any other code.
    static int hedgeWidthRank(int hedge);

    // Inclusion order: 0 when equal, 1 when a is the narrower, 2 when b is, 100 when incomparable.
    // Only small, medium and big with equal atoms and equal signs are comparable.
    static int inclusionOrder(const CLingTerm& a, const CLingTerm& b);

    // Abbreviated text: "ex sm", "-vr bi", "me", "undef"; "user_ex" for a user term, "N/A" for an atom
    // without abbreviation.
    std::string abbreviated() const;
    // The abbreviated text, or the kind of an expression that has none: "compound", "number" (about x),
    // "user term".
    std::string form() const;

    // Equal atom, user index, hedge and sign (the factors follow from these).
    bool operator==(const CLingTerm& other) const {
        return atom == other.atom && userIndex == other.userIndex && hedge == other.hedge && sign == other.sign;
    }
};

}  // namespace zorv
