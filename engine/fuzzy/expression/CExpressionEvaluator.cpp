#include "fuzzy/expression/CExpressionEvaluator.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "fuzzy/expression/CSpacedText.h"
#include "fuzzy/vocabulary/CBasicSettings.h"
#include "text/NumberText.h"

namespace zorv {

namespace {

// The length of the longest standard word with its sign ("+medium").
constexpr std::size_t kLongestStandardWord = 16;

bool isOppositeSign(char sign, char c) { return (sign == '+' && c == '-') || (sign == '-' && c == '+'); }

// One evaluation of one text.
class CEvaluationRun {
public:
    CEvaluationRun(const CBasicSettings& vocabulary, int n, std::string_view original);

    CFuzzyDiscreteSet run();

private:
    // The value of one level of parentheses so far and the connective waiting for the next operand.
    struct Level {
        std::optional<CFuzzyDiscreteSet> value;
        const C2ArgOper* pending = nullptr;
    };

    CFuzzyDiscreteSet operand();
    CFuzzyDiscreteSet special();
    CFuzzyDiscreteSet atomSet(const CVocabularyWord& atom, const std::optional<CVocabularyWord>& hedge,
                              std::size_t atomPos) const;
    void keepHalf(CFuzzyDiscreteSet& set, int sign) const;
    CFuzzyDiscreteSet sample(const CFuzzySet& set, const std::vector<double>& grid) const;
    static void absorb(Level& level, CFuzzyDiscreteSet set);

    bool at(char c) const { return pos_ < text_.size() && text_[pos_] == c; }
    // Moves past a word of the given length and the blank after it.
    void advance(std::size_t length);
    [[noreturn]] void fail(const char* message, std::size_t pos) const;

    const CBasicSettings& vocabulary_;
    int n_;
    std::string_view original_;
    CSpacedText spaced_;
    std::string_view text_;
    std::size_t pos_ = 0;
    std::size_t longestWord_ = kLongestStandardWord;
    std::vector<double> contextGrid_;
    std::vector<double> normalizedGrid_;
};

CEvaluationRun::CEvaluationRun(const CBasicSettings& vocabulary, int n, std::string_view original)
    : vocabulary_(vocabulary), n_(n), original_(original), spaced_(original), text_(spaced_.text()) {
    for (const auto& term : vocabulary.terms()) {
        longestWord_ = std::max({longestWord_, term.shortName.size(), term.longName.size()});
    }
    contextGrid_.resize(static_cast<std::size_t>(n));
    normalizedGrid_.resize(static_cast<std::size_t>(n));
    for (int j = 0; j < n; ++j) {
        const auto i = static_cast<std::size_t>(j);
        contextGrid_[i] = CFuzzyDiscreteSet::gridCoordinate(vocabulary.low(), vocabulary.high(), n, j);
        normalizedGrid_[i] =
            CFuzzyDiscreteSet::gridCoordinate(vocabulary.normalizedLow(), vocabulary.normalizedHigh(), n, j);
    }
}

CFuzzyDiscreteSet CEvaluationRun::run() {
    std::vector<Level> levels(1);
    for (;;) {
        while (at('(')) {
            levels.emplace_back();
            advance(1);
        }
        absorb(levels.back(), operand());
        while (at(')')) {
            if (levels.size() == 1) fail("too much right parentheses", pos_);
            CFuzzyDiscreteSet inner = std::move(*levels.back().value);
            levels.pop_back();
            absorb(levels.back(), std::move(inner));
            advance(1);
        }
        if (pos_ >= text_.size()) break;
        const std::optional<CVocabularyWord> connective = vocabulary_.matchConnective(text_.substr(pos_));
        if (!connective) fail("connective expected", pos_);
        if (connective->connectiveIndex < 0) fail("no linguistic connective expected", pos_);
        levels.back().pending =
            vocabulary_.connectives()[static_cast<std::size_t>(connective->connectiveIndex)].element.get();
        advance(connective->length);
    }
    if (levels.size() > 1) fail("missing right parenthesis", text_.size());
    return std::move(*levels.front().value);
}

void CEvaluationRun::absorb(Level& level, CFuzzyDiscreteSet set) {
    if (!level.value || level.pending == nullptr) {
        level.value = std::move(set);
        return;
    }
    level.value = level.pending->combine(std::move(*level.value), std::move(set));
}

CFuzzyDiscreteSet CEvaluationRun::operand() {
    if (const auto atom = vocabulary_.matchAtom(text_.substr(pos_))) {
        const std::size_t atomPos = pos_;
        advance(atom->length);
        return atomSet(*atom, std::nullopt, atomPos);
    }
    std::size_t p = pos_;
    char sign = 0;
    if (p < text_.size() && (text_[p] == '+' || text_[p] == '-')) {
        sign = text_[p++];
        if (p < text_.size() && text_[p] == ' ') ++p;
        if (p < text_.size() && isOppositeSign(sign, text_[p])) fail("bad sign", p);
    }
    const std::optional<CVocabularyWord> hedge = vocabulary_.matchHedge(text_.substr(p));
    if (hedge) {
        p += hedge->length;
        if (p < text_.size() && text_[p] == ' ') ++p;
        if (sign != 0 && p < text_.size() && isOppositeSign(sign, text_[p])) fail("bad sign", p);
    }
    if (sign == 0 && !hedge) return special();

    // An explicit sign is placed back in front of the atom: "-" "very" "small" reads "-small".
    std::optional<CVocabularyWord> atom;
    std::size_t length = 0;
    if (sign != 0) {
        std::string signedWord(1, sign);
        signedWord.append(text_.substr(p, longestWord_ + 1));
        atom = vocabulary_.matchAtom(signedWord);
        if (atom) length = atom->length - 1;
    } else {
        atom = vocabulary_.matchAtom(text_.substr(p));
        if (atom) length = atom->length;
    }
    if (!atom || length == 0) fail("atomic term expected", p);
    pos_ = p;
    advance(length);
    return atomSet(*atom, hedge, p);
}

CFuzzyDiscreteSet CEvaluationRun::special() {
    const std::string_view rest = text_.substr(pos_);
    if (startsWithWholeWord(rest, "about")) {
        std::size_t p = pos_ + 5;
        if (p < text_.size() && text_[p] == ' ') ++p;
        const auto number = NumberText::readPrefix(text_.substr(p));
        if (!number || !(p + number->length == text_.size() || text_[p + number->length] == ' ')) {
            fail("atomic term expected", p);
        }
        if (number->value < vocabulary_.low() || number->value > vocabulary_.high()) {
            fail("fuzzy number out of context", p);
        }
        pos_ = p;
        advance(number->length);
        return sample(*vocabulary_.aboutNumber(number->value), normalizedGrid_);
    }
    if (startsWithWholeWord(rest, "undef") || startsWithWholeWord(rest, "ignor")) {
        advance(5);
        CFuzzyDiscreteSet ones(n_, vocabulary_.low(), vocabulary_.high());
        ones.fill(1.0);
        return ones;
    }
    fail("atomic term expected", pos_);
}

CFuzzyDiscreteSet CEvaluationRun::atomSet(const CVocabularyWord& atom, const std::optional<CVocabularyWord>& hedge,
                                          std::size_t atomPos) const {
    const int builtInHedge = hedge ? hedge->hedgeCode : -1;
    int sign = 0;
    CFuzzyDiscreteSet set;
    if (atom.termIndex >= 0) {
        if (builtInHedge >= 0) fail("atomic term expected", atomPos);  // a user term takes no built-in hedge
        const int kind = vocabulary_.standardKindOf(atom.termIndex);
        sign = kind >= 8 ? -1 : 0;
        set = sample(*vocabulary_.terms()[static_cast<std::size_t>(atom.termIndex)].element.get(), contextGrid_);
    } else {
        sign = atom.sign();
        if (sign < 0 && !vocabulary_.symmetric()) fail("negative term is not allowed in this context", atomPos);
        const std::unique_ptr<CFuzzySet> standard = vocabulary_.standardTerm(atom.standardKind, builtInHedge);
        if (!standard) fail("atomic term expected", atomPos);
        set = sample(*standard, normalizedGrid_);
    }
    if (hedge && hedge->modifierIndex >= 0) {
        const auto& modifier = vocabulary_.modifiers()[static_cast<std::size_t>(hedge->modifierIndex)];
        set = modifier.element.get()->applyToSet(std::move(set));
        if (hedge->modifierIndex == 0 && vocabulary_.symmetric()) keepHalf(set, sign);
    }
    return set;
}

void CEvaluationRun::keepHalf(CFuzzyDiscreteSet& set, int sign) const {
    set.densify();
    std::vector<double>& values = set.values();
    const std::size_t half = values.size() / 2;
    if (sign < 0) {
        std::fill(values.begin() + static_cast<std::ptrdiff_t>(half), values.end(), 0.0);
    } else {
        std::fill(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(half), 0.0);
    }
}

CFuzzyDiscreteSet CEvaluationRun::sample(const CFuzzySet& set, const std::vector<double>& grid) const {
    std::vector<double> values(grid.size());
    set.membership(grid, values);
    return CFuzzyDiscreteSet(std::move(values), vocabulary_.low(), vocabulary_.high());
}

void CEvaluationRun::advance(std::size_t length) {
    pos_ = std::min(pos_ + length, text_.size());
    if (at(' ')) ++pos_;
}

void CEvaluationRun::fail(const char* message, std::size_t pos) const {
    throw ESyntax(message, std::string(original_), spaced_.originalOffset(pos));
}

}  // namespace

CExpressionEvaluator::CExpressionEvaluator(const CBasicSettings& vocabulary, int gridSize)
    : vocabulary_(vocabulary), n_(std::max(gridSize, 1)) {}

CFuzzyDiscreteSet CExpressionEvaluator::evaluate(std::string_view text) const {
    return CEvaluationRun(vocabulary_, n_, text).run();
}

}  // namespace zorv
