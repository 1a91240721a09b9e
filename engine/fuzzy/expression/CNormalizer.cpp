#include "fuzzy/expression/CNormalizer.h"

#include <algorithm>
#include <climits>
#include <vector>

#include "fuzzy/expression/ESyntax.h"
#include "fuzzy/vocabulary/CBasicSettings.h"
#include "fuzzy/vocabulary/CLingWords.h"
#include "text/NumberText.h"

namespace zorv {

namespace {

// A word as it may be written and the text the normaliser writes for it.
struct Word {
    std::string written;
    std::string echo;
};
using WordList = std::vector<Word>;

constexpr std::string_view kAbout = "about";
constexpr std::string_view kLongAnd = "shem ham and az";
constexpr std::string_view kLongOr = "fug ho or az";

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// Longer words first, so that "very roughly" is found before "very".
WordList longestFirst(WordList words) {
    std::stable_sort(words.begin(), words.end(),
                     [](const Word& a, const Word& b) { return a.written.size() > b.written.size(); });
    return words;
}

// Both names of a named element; the full (long) name is written when there is one.
template <typename Named>
void addNames(WordList& words, const Named& element) {
    const std::string& echo = element.longName.empty() ? element.shortName : element.longName;
    for (const std::string* name : {&element.shortName, &element.longName}) {
        if (!name->empty()) {
            words.push_back({*name, echo});
        }
    }
}

WordList hedgeWords(const CBasicSettings& vocabulary) {
    WordList words;
    for (std::size_t i = 0; i < CLingWords::kHedgeCount; ++i) {
        const std::string name(CLingWords::kHedgeNames[i]);
        words.push_back({name, name});
        words.push_back({std::string(CLingWords::kHedgeAbbreviations[i]), name});
    }
    for (const auto& modifier : vocabulary.modifiers()) {
        addNames(words, modifier);
    }
    return longestFirst(std::move(words));
}

WordList standardAtomWords() {
    WordList words;
    for (std::size_t i = 0; i < CLingWords::kAtomCount; ++i) {
        const std::string name(CLingWords::kAtomNames[i]);
        words.push_back({name, name});
        words.push_back({std::string(CLingWords::kAtomAbbreviations[i]), name});
    }
    return longestFirst(std::move(words));
}

WordList userTermWords(const CBasicSettings& vocabulary) {
    WordList words;
    const auto& terms = vocabulary.terms();
    for (std::size_t i = static_cast<std::size_t>(std::max(vocabulary.standardTermCount(), 0)); i < terms.size();
         ++i) {
        addNames(words, terms[i]);
    }
    return longestFirst(std::move(words));
}

WordList connectiveWords(const CBasicSettings& vocabulary) {
    WordList words;
    if (vocabulary.typeName() == "linguistic") {
        words.push_back({std::string(kLongAnd), std::string(kLongAnd)});
        words.push_back({std::string(kLongOr), std::string(kLongOr)});
        words.push_back({"land", std::string(kLongAnd)});
        words.push_back({"lor", std::string(kLongOr)});
    }
    for (const auto& connective : vocabulary.connectives()) {
        addNames(words, connective);
    }
    return longestFirst(std::move(words));
}

// One reading of one text: the position, the words of the vocabulary and the text written so far.
class NormalizerPass {
public:
    NormalizerPass(const CBasicSettings& vocabulary, std::string_view text)
        : vocabulary_(vocabulary),
          text_(text),
          hedges_(hedgeWords(vocabulary)),
          atoms_(standardAtomWords()),
          userTerms_(userTermWords(vocabulary)),
          connectives_(connectiveWords(vocabulary)) {}

    std::string run() {
        expression(0);
        skipBlanks();
        if (!atEnd()) {
            fail("too much right parentheses", pos_);  // expression() stops only at the end or at ")"
        }
        return std::move(out_);
    }

private:
    void expression(int depth) {
        primary(depth);
        for (skipBlanks(); !atEnd() && peek() != ')'; skipBlanks()) {
            if (!connective()) {
                fail("connective expected", pos_);
            }
            primary(depth);
        }
    }

    void primary(int depth) {
        skipBlanks();
        if (peek() == '(') {
            group(depth);
        } else if (!about()) {
            sign();
            hedge();
            atom();
        }
    }

    void group(int depth) {
        if (depth >= CNormalizer::kMaxDepth) {
            fail("expression nested too deeply", pos_);
        }
        ++pos_;
        emitGlued("(");
        expression(depth + 1);
        if (atEnd()) {
            fail("missing right parenthesis", pos_);
        }
        ++pos_;
        out_ += ')';
        glue_ = false;
    }

    // "about" blank number. A longer word that merely starts with "about" is left to the atoms.
    bool about() {
        if (!text_.substr(pos_).starts_with(kAbout)) {
            return false;
        }
        const std::size_t after = pos_ + kAbout.size();
        if (after < text_.size() && isLetter(text_[after])) {
            return false;
        }
        if (after >= text_.size() || !isBlank(text_[after])) {
            fail("Space required", after);
        }
        pos_ = after;
        skipBlanks();
        emit(kAbout);
        emit(number());
        return true;
    }

    // A real number inside the context, followed by a blank, ")" or the end; returns it as written.
    std::string_view number() {
        const std::size_t start = pos_;
        const auto number = NumberText::readPrefix(std::string_view(text_).substr(start));
        if (!number || !atBoundary(start + number->length)) {
            fail("Number expected", start);
        }
        const double value = number->value;
        const std::size_t length = number->length;
        if (value < vocabulary_.low() || value > vocabulary_.high()) {
            fail("fuzzy number out of context", start);
        }
        pos_ = start + length;
        return text_.substr(start, length);
    }

    void sign() {
        const char c = peek();
        if (c == '-' && vocabulary_.low() >= 0.0) {
            fail("negative term is not allowed in this context", pos_);
        }
        if (c == '-' || c == '+') {
            ++pos_;
            emitGlued(text_.substr(pos_ - 1, 1));
            skipBlanks();
        }
    }

    void hedge() {
        if (const Word* word = take(hedges_)) {
            emit(word->echo);
            skipBlanks();
        }
    }

    void atom() {
        const Word* word = take(atoms_);
        if (word == nullptr) {
            word = take(userTerms_);
        }
        if (word == nullptr) {
            fail("atomic term expected", pos_);
        }
        emit(word->echo);
    }

    // A connective must start a word: not right after ")" without a blank.
    bool connective() {
        if (pos_ > 0 && text_[pos_ - 1] == ')') {
            return false;
        }
        const Word* word = take(connectives_);
        if (word != nullptr) {
            emit(word->echo);
        }
        return word != nullptr;
    }

    // The first word of the list written at the position (consumed), or null.
    const Word* take(const WordList& words) {
        for (const Word& word : words) {
            if (const std::size_t length = matchLength(word.written); length > 0) {
                pos_ += length;
                return &word;
            }
        }
        return nullptr;
    }

    // Characters the word takes at the position (0 when it is not there as a whole word); a blank inside
    // a word of several parts stands for any run of blanks.
    std::size_t matchLength(std::string_view word) const {
        std::size_t i = pos_;
        for (const char c : word) {
            if (c == ' ') {
                if (i >= text_.size() || !isBlank(text_[i])) {
                    return 0;
                }
                while (i < text_.size() && isBlank(text_[i])) {
                    ++i;
                }
            } else if (i >= text_.size() || text_[i++] != c) {
                return 0;
            }
        }
        return !word.empty() && atBoundary(i) ? i - pos_ : 0;
    }

    bool atBoundary(std::size_t i) const { return i >= text_.size() || isBlank(text_[i]) || text_[i] == ')'; }
    bool atEnd() const { return pos_ >= text_.size(); }
    char peek() const { return atEnd() ? '\0' : text_[pos_]; }
    void skipBlanks() {
        while (!atEnd() && isBlank(text_[pos_])) {
            ++pos_;
        }
    }

    // Words are separated by one blank; nothing follows "(" or a sign.
    void emit(std::string_view word) {
        if (!out_.empty() && !glue_) {
            out_ += ' ';
        }
        out_ += word;
        glue_ = false;
    }
    void emitGlued(std::string_view word) {
        emit(word);
        glue_ = true;
    }

    [[noreturn]] void fail(const char* message, std::size_t at) const {
        throw ESyntax(message, std::string(text_), static_cast<int>(std::min<std::size_t>(at, INT_MAX)));
    }

    const CBasicSettings& vocabulary_;
    std::string_view text_;
    std::size_t pos_ = 0;
    std::string out_;
    bool glue_ = false;
    const WordList hedges_;
    const WordList atoms_;
    const WordList userTerms_;
    const WordList connectives_;
};

}  // namespace

std::string CNormalizer::run(std::string_view text) const { return NormalizerPass(vocabulary_, text).run(); }

}  // namespace zorv
