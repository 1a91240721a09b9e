#include "fuzzy/expression/CFELexer.h"

#include <array>

#include "fuzzy/vocabulary/CBasicSettings.h"
#include "text/NumberText.h"

namespace zorv {

namespace {

using Type = CFEToken::Type;

struct CKeyword {
    std::string_view word;
    Type type;
    double value;
};

// First match wins: "very" is read before "very roughly" could be.
constexpr std::array<CKeyword, 31> kKeywords{{
    {"sm", Type::kSmall, 0},       {"small", Type::kSmall, 0},
    {"me", Type::kMedium, 1},      {"medium", Type::kMedium, 1},
    {"bi", Type::kBig, 2},         {"big", Type::kBig, 2},
    {"ex", Type::kHedge, 0},       {"extremely", Type::kHedge, 0},
    {"si", Type::kHedge, 1},       {"significantly", Type::kHedge, 1},
    {"ve", Type::kHedge, 2},       {"very", Type::kHedge, 2},
    {"ra", Type::kHedge, 3},       {"rather", Type::kHedge, 3},
    {"ml", Type::kHedge, 4},       {"more or less", Type::kHedge, 4},
    {"ro", Type::kHedge, 5},       {"roughly", Type::kHedge, 5},
    {"qr", Type::kHedge, 6},       {"quite roughly", Type::kHedge, 6},
    {"vr", Type::kHedge, 7},       {"very roughly", Type::kHedge, 7},
    {"ze", Type::kZero, 0},        {"zero", Type::kZero, 0},
    {"and", Type::kAnd, 0},        {"or", Type::kOr, 1},
    {"about", Type::kAbout, 10},   {"ignor", Type::kIgnor, 0},
    {"undef", Type::kUndef, 0},    {"no", Type::kHedge, 8},
    {"not", Type::kHedge, 8},
}};

bool isAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isAsciiAlnum(char c) { return isAsciiLetter(c) || (c >= '0' && c <= '9'); }

Type singleCharType(char c) {
    switch (c) {
        case '(': return Type::kLeftParen;
        case ')': return Type::kRightParen;
        case '+': return Type::kPlus;
        case '-': return Type::kMinus;
        default: return Type::kOtherChar;
    }
}

}  // namespace

CFEToken CFELexer::next() {
    while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t')) ++pos_;
    CFEToken token;
    token.start = static_cast<int>(pos_);
    if (pos_ >= text_.size()) {
        token.type = Type::kEnd;
        token.end = token.start;
        return token;
    }
    if (!matchUserTerm(token) && !matchKeyword(token) && !matchNumber(token)) {
        token.type = singleCharType(text_[pos_]);
        token.value = static_cast<unsigned char>(text_[pos_]);
        token.end = token.start + 1;
    }
    pos_ = static_cast<std::size_t>(token.end);
    return token;
}

bool CFELexer::matchesWord(std::string_view word) const {
    const std::string_view rest = text_.substr(pos_);
    return !word.empty() && rest.starts_with(word) && (rest.size() == word.size() || !isAsciiAlnum(rest[word.size()]));
}

bool CFELexer::matchUserTerm(CFEToken& token) const {
    if (userTerms_ == nullptr) return false;
    const auto& terms = userTerms_->terms();
    for (int i = userTerms_->standardTermCount(); i < static_cast<int>(terms.size()); ++i) {
        const auto& term = terms[static_cast<std::size_t>(i)];
        for (const std::string& name : {std::cref(term.shortName), std::cref(term.longName)}) {
            if (matchesWord(name)) {
                token.type = Type::kUserTerm;
                token.value = i;
                token.end = token.start + static_cast<int>(name.size());
                return true;
            }
        }
    }
    return false;
}

bool CFELexer::matchKeyword(CFEToken& token) const {
    for (const CKeyword& k : kKeywords) {
        if (matchesWord(k.word)) {
            token.type = k.type;
            token.value = k.value;
            token.end = token.start + static_cast<int>(k.word.size());
            return true;
        }
    }
    return false;
}

bool CFELexer::matchNumber(CFEToken& token) const {
    const std::string_view rest = text_.substr(pos_);
    const auto number = NumberText::readPrefix(rest);
    if (!number || (number->length < rest.size() && isAsciiLetter(rest[number->length]))) return false;
    token.type = Type::kNumber;
    token.value = number->value;
    token.end = token.start + static_cast<int>(number->length);
    return true;
}

}  // namespace zorv
