#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "fuzzy/operations/C1ArgOper.h"
#include "fuzzy/operations/C2ArgOper.h"
#include "fuzzy/sets/CFuzzyDiscreteSet.h"
#include "fuzzy/sets/CFuzzyParamSet.h"
#include "fuzzy/sets/CFuzzySet.h"
#include "fuzzy/sets/CNamedElement.h"
#include "fuzzy/vocabulary/CLingTerm.h"
#include "fuzzy/vocabulary/CSettings.h"
#include "fuzzy/vocabulary/CVocabularyWord.h"

namespace zorv {

// A fuzzy vocabulary ("basic"): terms (named fuzzy sets), hedges (named unary operations, "not"/"no" =
// negation 1 - a) and connectives ("and" = min, "or" = max), plus the evaluation of cell texts into
// discrete fuzzy sets on the variable's grid.
//
// terms() starts with the vocabulary's standard words where they are kept as ordinary terms (the
// triangles of "triang", standardTermCount() of them); the user-defined terms follow. Expressions
// read the standard block as the built-in words ("small", "-bi", ...) and the rest as user terms,
// which are tried before any built-in word.
class CBasicSettings : public CSettings {
public:
    using Term = CNamedElement<CFuzzySet>;
    using Modifier = CNamedElement<C1ArgOper>;
    using Connective = CNamedElement<C2ArgOper>;

    CBasicSettings(double low, double high);
    ~CBasicSettings() override;

    std::string_view typeName() const override { return "basic"; }

    const std::vector<Term>& terms() const { return terms_; }
    const std::vector<Modifier>& modifiers() const { return modifiers_; }
    const std::vector<Connective>& connectives() const { return connectives_; }

    // User terms: the entries of terms() from standardTermCount() on.
    int standardTermCount() const { return standardCount_; }
    int userTermCount() const { return static_cast<int>(terms_.size()) - standardCount_; }
    bool isUserTerm(int index) const { return index >= standardCount_ && index < static_cast<int>(terms_.size()); }
    // Appends a user term and returns its index in terms(); a null set is refused with -1.
    int addUserTerm(std::string shortName, std::string longName, std::unique_ptr<CFuzzyParamSet> set);
    // Removes the term at index (nothing for an index out of range).
    void removeTerm(int index);
    // Removes every user term.
    void clearUserTerms();
    // Index in terms() of the first term whose short or long name equals name (user terms first); -1 if none.
    int findTerm(std::string_view name) const;
    // Appends a copy of every user term of other (same names, same shape type and parameters) made on
    // this vocabulary's context. Copying from itself duplicates the user terms once.
    void copyUserTerms(const CBasicSettings& other);
    // The user term of greatest degree at the point (the first on equal degree) as atom kUserTerm with its
    // index; false (d unchanged) when there are no user terms.
    bool bestUserTerm(double point, CLingTerm& d) const;

    // Evaluates a cell text into a discrete set of gridSize points over the context (at least one point).
    // Operands are combined strictly from left to right; throws ESyntax.
    virtual CFuzzyDiscreteSet evaluate(std::string_view text, int gridSize) const;
    // The set of a standard expression: kind 0..3 small, medium, big, zero, 4..7 the "+" forms, 8..11 the
    // "-" forms; hedge -1 (none) or 0..7. Null when the vocabulary has no such expression.
    virtual std::unique_ptr<CFuzzySet> standardTerm(int kind, int hedge) const;
    // "about x": the quadratic (u - 0.2, u - 0.12, u - 0.04, u + 0.04, u + 0.12, u + 0.2) around the
    // normalised value u of x, cut to the normalised universe.
    virtual std::unique_ptr<CFuzzySet> aboutNumber(double x) const;
    // Describes a text that is a single standard term (optionally hedged by a built-in hedge): 0 and the
    // descriptor's atom, hedge and sign; -1 for anything else (user terms included).
    virtual int describe(std::string_view text, CLingTerm& d) const;
    // Rewrites a text with the abbreviations expanded; throws ESyntax.
    std::string normalize(std::string_view text) const;

    // Sets the context; every term follows it (its parameters are mapped linearly onto the new context).
    void setContext(double low, double high) override;

    // The normalised universe of the standard terms: [0, 1], or [-1, 1] when symmetric().
    double normalizedLow() const { return symmetric() ? -1.0 : 0.0; }
    double normalizedHigh() const { return 1.0; }
    // Normalised value of x: x/high when symmetric(), else (x - low)/(high - low); 0 on a zero-width context.
    double normalizedValue(double x) const;

    // Word matchers of the evaluator and of describe(). Each looks at the start of text for a whole word
    // (followed by a blank or the end), case-sensitive.
    // Atomic term: user terms first, then the standard words (sign included, as in "-sm").
    virtual std::optional<CVocabularyWord> matchAtom(std::string_view text) const;
    // Hedge: the built-in hedges of the vocabulary, then the entries of modifiers().
    virtual std::optional<CVocabularyWord> matchHedge(std::string_view text) const;
    // Connective: the entries of connectives().
    virtual std::optional<CVocabularyWord> matchConnective(std::string_view text) const;
    // Standard kind (0..11) of the term at index in the standard block of terms(); -1 otherwise.
    virtual int standardKindOf(int termIndex) const;

protected:
    // Replaces the standard block at the front of terms() (the user terms stay after it).
    void setStandardTerms(std::vector<Term> standard);
    std::vector<Modifier>& mutableModifiers() { return modifiers_; }
    // Index of the first user term whose short or long name is the whole word at the start of text.
    std::optional<CVocabularyWord> matchUserTerm(std::string_view text) const;

private:
    std::vector<Term> terms_;
    std::vector<Modifier> modifiers_;
    std::vector<Connective> connectives_;
    int standardCount_ = 0;
};

}  // namespace zorv
