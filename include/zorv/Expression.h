#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "zorv/Export.h"
#include "zorv/Types.h"

namespace zorv {

class CSettings;
class Vocabulary;

// The meaning of one expression in a vocabulary, e.g. "very small or (medium and not big)" or "about 3.5".
// Made by Vocabulary::expression(), which has checked it; an expression of a linear vocabulary
// ("2.5 + x1 - 0.3*x2") has coefficients instead of a fuzzy set.
class ZORV_API Expression {
public:
    const std::string& text() const { return text_; }
    // The expression as the engine prints it ("vr sm" reads "very roughly small").
    const std::string& canonical() const { return canonical_; }
    // "ve sm", "-ro bi", "ze", "undef", or "compound", "number" (about x), "user term", "linear".
    const std::string& form() const { return form_; }
    // Rank used to choose among rules: smaller is more specific; absent when the expression has none.
    std::optional<int> specificity() const { return specificity_; }
    // The connective that joins the two sides of a compound expression (the last one read at its top level).
    std::optional<Connective> connective() const { return connective_; }

    // The context <low, high> of the vocabulary, over which samples() lie.
    double low() const;
    double high() const;
    // Membership degrees at points equally spaced over the context, the first at low and the last at high:
    // as many as the vocabulary's discretization, or points (at least 1). Throws Error for a linear
    // expression.
    std::vector<double> samples() const;
    std::vector<double> samples(int points) const;
    // A linear expression's constant term and the factors of x1 .. xn; throws Error for a fuzzy one.
    std::vector<double> coefficients() const;
    // The vocabulary the expression was read in.
    Vocabulary vocabulary() const;

private:
    friend class Vocabulary;
    Expression(std::shared_ptr<const CSettings> settings, std::string text, int discretization, int inputs);

    std::shared_ptr<const CSettings> settings_;
    std::string text_;
    std::string canonical_;
    std::string form_;
    std::optional<int> specificity_;
    std::optional<Connective> connective_;
    int discretization_;
    int inputs_;
    std::vector<double> coefficients_;
    bool linear_;
};

}  // namespace zorv
