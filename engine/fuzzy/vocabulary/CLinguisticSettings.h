#pragma once

#include <array>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "fuzzy/vocabulary/CBasicSettings.h"
#include "fuzzy/vocabulary/CLingShapes.h"

namespace zorv {

// The "linguistic" vocabulary: the evaluative expressions small, medium, big and zero with the hedges
// extremely .. very roughly, signed on a symmetric context <-h, h>, as quadratic sets on the normalised
// universe [0, 1] ([-1, 1] when symmetric), shaped by the four lingparams (see CLingShapes).
// Besides evaluation it perceives crisp values as expressions, gives typical values and sorts expressions.
class CLinguisticSettings : public CBasicSettings {
public:
    static constexpr std::array<double, 4> kDefaultLingParams{0.05, 0.304, 0.4, 0.94};
    using ShapeTable = CLingShapes::Table;

    CLinguisticSettings(double low, double high, const std::array<double, 4>& lingParams = kDefaultLingParams);

    std::string_view typeName() const override { return "linguistic"; }
    // low equals -high (with high > 0).
    bool symmetric() const override { return symmetric_; }
    void setContext(double low, double high) override;

    // Replaces the lingparams (file order) and recomputes the shape table and hedge factors.
    // Non-finite values are refused (false, nothing changes).
    bool setLingParams(const std::array<double, 4>& lingParams);
    const std::array<double, 4>& lingParams() const { return shapes_.lingParams(); }
    const ShapeTable& shapeTable() const { return shapes_.table(); }
    const std::vector<CLingTerm>& lingTerms() const { return shapes_.terms(); }

    // Quadratic set of a standard expression on the normalised universe (see CBasicSettings); null for an
    // (atom, hedge) pair that is not one of lingTerms().
    std::unique_ptr<CFuzzySet> standardTerm(int kind, int hedge) const override;

    // Typical value (normalised, unsigned) of the descriptor's (atom, hedge): the point at ratio t of the
    // alpha-cut [L, R]: L + (R - L)t for small, R - (R - L)t for big, (L + R)/2 otherwise.
    // An expression without a set gives the middle of the normalised universe.
    double typicalValue(const CLingTerm& d) const;
    // The standard expression that best describes the crisp value x (degrees capped at 0.9, ties to the
    // more specific expression). mode limits the hedges: 0 none, 1 none/very/more or less, 2 all,
    // 3 all but rather.
    void perceive(double x, CLingTerm& d, int mode) const;
    // As perceive, with the hedges up to roughly only, and the user terms (degree at x) as candidates.
    void perceiveWithUserTerms(double x, CLingTerm& d, int mode) const;
    // 1 when a sorts before b, 0 when after, -1 when they cannot be ordered.
    int compareExpressions(std::string_view a, std::string_view b) const;
    // compareExpressions in two steps, for callers that order many texts: the descriptor a text sorts by
    // (none when it fails the syntax check), and the comparison of two texts by their descriptors.
    std::optional<CLingTerm> sortTerm(std::string_view text) const;
    static int compareSortTerms(const CLingTerm& da, std::string_view a, const CLingTerm& db, std::string_view b);

    std::optional<CVocabularyWord> matchAtom(std::string_view text) const override;
    std::optional<CVocabularyWord> matchHedge(std::string_view text) const override;
    // "land", "lor" and their long forms are recognised first (and refused by the evaluator).
    std::optional<CVocabularyWord> matchConnective(std::string_view text) const override;

private:
    void perceiveWith(double x, CLingTerm& d, int mode, int lastHedge, bool withUserTerms) const;

    CLingShapes shapes_;
    bool symmetric_ = false;
};

}  // namespace zorv
