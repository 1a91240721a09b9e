#include "fuzzy/expression/CFEParser.h"

#include <string>
#include <utility>
#include <vector>

#include "fuzzy/expression/CFELexer.h"
#include "fuzzy/expression/EBinaryExpr.h"
#include "fuzzy/expression/EFuzzyNumber.h"
#include "fuzzy/expression/EFuzzyTerm.h"
#include "fuzzy/expression/EIgnorExpr.h"
#include "fuzzy/expression/ESingletonExpr.h"
#include "fuzzy/expression/EUndefExpr.h"
#include "fuzzy/expression/EUserTerm.h"
#include "fuzzy/expression/EZeroTerm.h"
#include "fuzzy/vocabulary/CBasicSettings.h"

namespace zorv {

using Type = CFEToken::Type;

// One run of the parser over one text. The parse stack mirrors the stack of the LALR automaton of the
// grammar (state 0 at the bottom, then one entry per grammar symbol of the viable prefix), so that the
// depth bound refuses exactly the texts the automaton would: a token is shifted only when the stack
// then holds at most kMaxStackDepth entries. Terms ([sign] [hedge] atom, "about" NUMBER, USERTERM) are
// read directly; their symbols are counted while they are being read.
class CFEParseRun {
public:
    CFEParseRun(CFEParser& owner, std::string_view text)
        : owner_(owner), text_(text), lexer_(text, owner.words_) {}

    std::unique_ptr<ELingExpr> run();

private:
    enum class Symbol { kLeftParen, kFormula, kAnd, kOr };
    struct Entry {
        Symbol symbol;
        std::unique_ptr<ELingExpr> node;
    };

    const CFEToken& peek();
    void consume() { lookahead_ = false; }
    // Shifting the current token with `pending` symbols of an unfinished term above the stack.
    void shift(int pending);
    [[noreturn]] void reject(int state);

    std::unique_ptr<ELingExpr> special();
    std::unique_ptr<ELingExpr> formula();
    std::unique_ptr<ELingExpr> term();
    std::unique_ptr<ELingExpr> hedgedTerm(int sign, int pending);
    void expectEnd();
    // Reduces "formula AND formula" (and "formula OR formula" when withOr) at the top of the stack.
    void reduce(bool withOr);
    bool topIs(Symbol op) const;

    bool fuzzyVocabulary() const { return owner_.vocabulary_ != nullptr && owner_.vocabulary_->isLinear() == 0; }
    bool linearVocabulary() const { return owner_.vocabulary_ != nullptr && owner_.vocabulary_->isLinear() != 0; }

    CFEParser& owner_;
    std::string_view text_;
    CFELexer lexer_;
    CFEToken token_;
    bool lookahead_ = false;
    std::vector<Entry> stack_;
};

const CFEToken& CFEParseRun::peek() {
    if (!lookahead_) {
        token_ = lexer_.next();
        lookahead_ = true;
    }
    return token_;
}

void CFEParseRun::shift(int pending) {
    // Entries after the shift: state 0, the stack, the pending term symbols and the token itself.
    const std::size_t depth = 1 + stack_.size() + static_cast<std::size_t>(pending) + 1;
    if (depth > static_cast<std::size_t>(CFEParser::kMaxStackDepth)) reject(CFEParser::kRejected);
    consume();
}

void CFEParseRun::reject(int state) {
    owner_.state_ = state;
    owner_.errorPosition_ = token_.start;
    stack_.clear();
    throw ESyntax(state == CFEParser::kSignError ? "negative term is not allowed in this context" : "parse error",
                  std::string(text_), token_.start);
}

std::unique_ptr<ELingExpr> CFEParseRun::run() {
    const CFEToken& first = peek();
    if (first.type == Type::kNumber) {
        const double value = first.value;
        shift(0);
        if (fuzzyVocabulary()) reject(CFEParser::kRejected);
        expectEnd();
        return std::make_unique<ESingletonExpr>(value);
    }
    std::unique_ptr<ELingExpr> root =
        first.type == Type::kUndef || first.type == Type::kIgnor ? special() : formula();
    expectEnd();
    return root;
}

std::unique_ptr<ELingExpr> CFEParseRun::special() {
    const bool undef = peek().type == Type::kUndef;
    shift(0);
    // The input is complete here (no lookahead needed), so the check reports the word itself.
    if (linearVocabulary()) reject(CFEParser::kRejected);
    if (undef) return std::make_unique<EUndefExpr>();
    return std::make_unique<EIgnorExpr>();
}

void CFEParseRun::expectEnd() {
    if (peek().type != Type::kEnd) reject(CFEParser::kRejected);
}

std::unique_ptr<ELingExpr> CFEParseRun::formula() {
    for (;;) {
        while (peek().type == Type::kLeftParen) {
            shift(0);
            stack_.push_back({Symbol::kLeftParen, nullptr});
        }
        stack_.push_back({Symbol::kFormula, term()});
        for (bool operand = false; !operand;) {
            switch (peek().type) {
                case Type::kAnd:
                case Type::kOr: {
                    const bool isOr = token_.type == Type::kOr;
                    reduce(isOr);
                    shift(0);
                    stack_.push_back({isOr ? Symbol::kOr : Symbol::kAnd, nullptr});
                    operand = true;
                    break;
                }
                case Type::kRightParen: {
                    reduce(true);
                    if (stack_.size() < 2 || stack_[stack_.size() - 2].symbol != Symbol::kLeftParen) {
                        reject(CFEParser::kRejected);
                    }
                    shift(0);
                    std::unique_ptr<ELingExpr> inner = std::move(stack_.back().node);
                    stack_.pop_back();
                    inner->parenthesised = true;
                    stack_.back() = {Symbol::kFormula, std::move(inner)};
                    break;
                }
                case Type::kEnd: {
                    reduce(true);
                    if (stack_.size() != 1) reject(CFEParser::kRejected);
                    if (linearVocabulary()) reject(CFEParser::kRejected);
                    std::unique_ptr<ELingExpr> root = std::move(stack_.back().node);
                    stack_.clear();
                    return root;
                }
                default: reject(CFEParser::kRejected);
            }
        }
    }
}

bool CFEParseRun::topIs(Symbol op) const {
    const std::size_t n = stack_.size();
    return n >= 3 && stack_[n - 1].symbol == Symbol::kFormula && stack_[n - 2].symbol == op &&
           stack_[n - 3].symbol == Symbol::kFormula;
}

void CFEParseRun::reduce(bool withOr) {
    for (;;) {
        const bool isAnd = topIs(Symbol::kAnd);
        if (!isAnd && !(withOr && topIs(Symbol::kOr))) return;
        std::unique_ptr<ELingExpr> right = std::move(stack_.back().node);
        stack_.pop_back();
        stack_.pop_back();
        std::unique_ptr<ELingExpr> left = std::move(stack_.back().node);
        const int connective = isAnd ? EBinaryExpr::kAnd : EBinaryExpr::kOr;
        stack_.back().node = std::make_unique<EBinaryExpr>(std::move(left), connective, std::move(right));
    }
}

std::unique_ptr<ELingExpr> CFEParseRun::term() {
    const CFEToken& t = peek();
    switch (t.type) {
        case Type::kPlus:
        case Type::kMinus: {
            const int sign = t.type == Type::kMinus ? -1 : 1;
            shift(0);
            // The sign is reduced right away, before the next token is read.
            const CSettings* vocabulary = owner_.vocabulary_;
            if (sign < 0 && vocabulary != nullptr && !vocabulary->allowsNegativeTerms()) {
                reject(CFEParser::kSignError);
            }
            return hedgedTerm(sign, 1);
        }
        case Type::kAbout: {
            shift(0);
            if (peek().type != Type::kNumber) reject(CFEParser::kRejected);
            const double value = token_.value;
            shift(1);
            return std::make_unique<EFuzzyNumber>(owner_.vocabulary_, value);
        }
        case Type::kUserTerm: {
            const int index = static_cast<int>(t.value);
            shift(0);
            return std::make_unique<EUserTerm>(owner_.words_, index);
        }
        default: return hedgedTerm(0, 0);
    }
}

std::unique_ptr<ELingExpr> CFEParseRun::hedgedTerm(int sign, int pending) {
    int hedge = CLingTerm::kNoHedge;
    if (peek().type == Type::kHedge) {
        hedge = static_cast<int>(token_.value);
        shift(pending);
        ++pending;
        owner_.lastHedge_ = hedge;
    }
    // Medium takes none, more or less .. very roughly or negation; zero takes none, roughly or negation.
    const bool mediumHedge = hedge == CLingTerm::kNoHedge || hedge >= CLingTerm::kMoreOrLess;
    const bool zeroHedge = hedge == CLingTerm::kNoHedge || hedge == CLingTerm::kNegation || hedge == CLingTerm::kRoughly;
    const CFEToken& t = peek();
    const CSettings* vocabulary = owner_.vocabulary_;
    switch (t.type) {
        case Type::kSmall:
        case Type::kBig:
        case Type::kMedium: {
            if (t.type == Type::kMedium && !mediumHedge) break;
            const int atom = static_cast<int>(t.value);
            shift(pending);
            return std::make_unique<EFuzzyTerm>(vocabulary, atom, hedge, sign);
        }
        case Type::kZero:
            if (!zeroHedge) break;
            shift(pending);
            return std::make_unique<EZeroTerm>(vocabulary, hedge, sign);
        default: break;
    }
    reject(CFEParser::kRejected);
}

CFEParser::CFEParser(const CSettings* vocabulary)
    : vocabulary_(vocabulary),
      words_(vocabulary != nullptr && vocabulary->isLinear() == 0 ? dynamic_cast<const CBasicSettings*>(vocabulary)
                                                                  : nullptr) {}

std::unique_ptr<ELingExpr> CFEParser::parse(std::string_view text) {
    state_ = kRejected;
    errorPosition_ = 0;
    lastHedge_ = CLingTerm::kNoHedge;
    std::unique_ptr<ELingExpr> root = CFEParseRun(*this, text).run();
    state_ = kAccepted;
    return root;
}

}  // namespace zorv
