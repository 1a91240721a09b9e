#pragma once

#include <array>
#include <compare>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "zorv/Expression.h"
#include "zorv/Export.h"
#include "zorv/Types.h"

namespace zorv {

class CSettings;

// The words a variable understands over its context <low, high>: the evaluative expressions of a
// "linguistic" vocabulary (small, medium, big, zero, hedged by extremely .. very roughly, signed on a
// symmetric context <-h, h>), the triangles of a "triang" one, user-defined terms, or the linear forms of a
// "linc" one. Take a rule base variable's with RuleBase::vocabulary(), or make a free-standing one.
// A vocabulary is an immutable value; copies share it.
class ZORV_API Vocabulary {
public:
    static constexpr std::array<double, 4> kDefaultShape{0.05, 0.304, 0.4, 0.94};

    // A linguistic vocabulary; shape holds the right end of the kernel of small, the left end of the support
    // of medium, the centre of medium and the left end of the kernel of big, on the context scaled to
    // [0, 1]. Throws Error for low >= high, a value that is not finite or a discretization below 1.
    static Vocabulary linguistic(double low, double high, const std::array<double, 4>& shape = kDefaultShape,
                                 int discretization = 301);
    // Triangular small, medium, big over <0, h>, or seven signed terms around zero over <l, h> with
    // l < 0 < h (no standard terms on any other context). Errors as for linguistic().
    static Vocabulary triangular(double low, double high, int discretization = 301);

    const std::string& kind() const { return kind_; }  // "linguistic", "triang" or "linc"
    double low() const;
    double high() const;
    int discretization() const { return discretization_; }
    bool symmetric() const;
    std::vector<std::string> userTerms() const;

    // Reads an expression; throws SyntaxError when the vocabulary cannot read it.
    Expression expression(std::string_view text) const;

    // The names of the standard terms, as expressions read them: "sm", "me", "bi" on an ordinary linguistic
    // context, "-bi" .. "ze" .. "+bi" on a symmetric one, the triangles of a "triang" vocabulary; none for
    // a "linc" one.
    std::vector<std::string> standardTerms() const;

    // The evaluative expression that best describes a value of the context, abbreviated as rules are
    // written ("ve sm", "-ro bi", "ze"). With userTerms, the user terms compete too (each taken at the value
    // itself) and a winning one comes back by its short name, while the hedges are those up to "roughly",
    // as learning describes values. Linguistic vocabularies only (Error otherwise, and for a value that is
    // not finite).
    std::string perceive(double value, HedgeMode mode = HedgeMode::all, bool userTerms = false) const;
    // "Invert sign (+/-)" of the rules grid on one expression: "-" taken off, "+" turned into "-", or "-" put
    // in front, for every operand of a compound expression and every summand of a linear form. The text
    // comes back unchanged when the context does not straddle zero (low * high >= 0) or the mirrored text
    // would not read.
    std::string invertSign(std::string_view text) const;
    // Edits an expression with one word, as the workbench's word toolbars do: a term replaces its term, a
    // hedge its hedge ("ve sm" with "big" gives "ve bi", "sm" with "roughly" gives "ro sm"). A term word
    // replaces any other cell whole (a compound expression, "about 3", a number all become that term); a
    // hedge word leaves such a cell, and a user term, unchanged. Fuzzy vocabularies only.
    std::string applyWord(std::string_view expression, std::string_view word) const;
    // The sort order of two expressions: signs, then atoms, then hedges; texts that are not single
    // evaluative expressions compare as upper-cased text. Unordered when either does not read, or one of two
    // different texts is the beginning of the other. Linguistic vocabularies only.
    std::partial_ordering compareExpressions(std::string_view a, std::string_view b) const;
    // The text with every abbreviation written out ("ve sm" gives "very small"); throws SyntaxError.
    // Fuzzy vocabularies only.
    std::string normalize(std::string_view text) const;

    // A text that fromState() reads back into an equal vocabulary: its kind, context, discretization, shape
    // parameters and user terms (exact numbers), and the number of inputs its linear forms speak of. For
    // storing a vocabulary and carrying it to another process.
    std::string state() const;
    // Throws SyntaxError for a text that state() did not make.
    static Vocabulary fromState(std::string_view state);

private:
    friend class RuleBase;
    friend class Expression;
    Vocabulary(std::shared_ptr<const CSettings> settings, int discretization, int inputs);

    std::shared_ptr<const CSettings> settings_;
    std::string kind_;
    int discretization_;
    int inputs_;  // number of inputs a linear form speaks of
};

}  // namespace zorv
