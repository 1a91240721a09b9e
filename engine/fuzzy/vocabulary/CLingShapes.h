#pragma once

#include <array>
#include <optional>
#include <vector>

#include "fuzzy/vocabulary/CLingTerm.h"

namespace zorv {

// The shapes of the standard evaluative expressions on the normalised universe, computed from the four
// lingparams (right end of the kernel of small vK, left end of the support of medium, centre of medium S,
// left end of the kernel of big).
//
// shapeTable: one row of quadratic parameters (a..f) per atom small, medium, big, zero. Starting from the
// constant rows, with r1..r6 taken from the constants:
//   small.d = p1, big.c = p4, medium.a = p2;
//   medium.f = S + 2(1 - S) r1, medium.c = S - 2S r2, medium.d = S + 2S r2, medium.b = (a + c)/2,
//   medium.e = (d + f)/2; small.f = S - (S - medium.a) r3, small.e = small.f - (S - small.d) r4;
//   big.a = S + (medium.f - S) r5, big.b = big.a + (big.c - S) r6.
// Hedge factors: small/big extremely 0.2, significantly 0.4, very 0.6, rather 2.5, the four widening
// hedges 1 + k q (k = 1..4); medium's widening hedges have a left and a right factor.
class CLingShapes {
public:
    using Row = std::array<double, 6>;
    using Table = std::array<Row, 4>;
    using Params = std::array<double, 4>;

    static constexpr Table kConstantTable{{
        {0.0, 0.0, 0.0, 0.05, 0.24, 0.36},
        {0.304, 0.348, 0.392, 0.408, 0.476, 0.544},
        {0.44, 0.6, 0.94, 1.0, 1.0, 1.0},
        {-0.05, -0.025, 0.0, 0.0, 0.025, 0.05},
    }};

    explicit CLingShapes(const Params& lingParams);

    const Params& lingParams() const { return params_; }
    const Table& table() const { return table_; }
    const Row& row(int atom) const { return table_[static_cast<std::size_t>(atom)]; }
    double centre() const { return params_[2]; }
    // The 25 standard expressions with their factors: small, small with hedges 0..7, big, big with
    // hedges 0..7, medium, medium with hedges 4..7, zero, roughly zero.
    const std::vector<CLingTerm>& terms() const { return terms_; }
    // The standard expression of (atom, hedge); null when there is none.
    const CLingTerm* find(int atom, int hedge) const;

    // Parameters of the unsigned expression (atom, hedge) on the normalised universe; symmetric selects
    // the two-sided zero; sign (-1, 0, +1) selects the half of zero on a symmetric universe and mirrors
    // the other atoms when negative. Nothing when the expression does not exist.
    std::optional<Row> shape(int atom, int hedge, int sign, bool symmetric) const;

private:
    void computeTable();
    void computeTerms();
    Row hedged(const CLingTerm& term) const;
    Row zeroShape(const CLingTerm& term, int sign, bool symmetric) const;

    Params params_;
    Table table_;
    std::vector<CLingTerm> terms_;
};

}  // namespace zorv
