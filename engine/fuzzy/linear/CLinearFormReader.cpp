#include "fuzzy/linear/CLinearFormReader.h"

#include <algorithm>

#include "fuzzy/expression/ESyntax.h"
#include "text/NumberText.h"

namespace zorv {

namespace {

constexpr char kBlank = ' ';
constexpr std::size_t kShownIndexDigits = 20;

bool isWhite(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

bool isVariableLetter(char c) { return c == 'x' || c == 'X'; }

// Leading white space dropped, every run of white space replaced by one blank, no trailing blank.
std::string normalizeBlanks(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    bool pendingBlank = false;
    for (const char c : text) {
        if (isWhite(c)) {
            pendingBlank = !result.empty();
            continue;
        }
        if (pendingBlank) {
            result += kBlank;
            pendingBlank = false;
        }
        result += c;
    }
    return result;
}

std::string shownIndex(std::string_view digits) {
    const std::size_t firstNonZero = digits.find_first_not_of('0');
    digits.remove_prefix(std::min(firstNonZero, digits.size()));
    if (digits.size() <= kShownIndexDigits) {
        return std::string(digits);
    }
    return std::string(digits.substr(0, kShownIndexDigits)) + "...";
}

}  // namespace

void CLinearFormReader::read(std::string_view text) {
    std::fill(coefficients_.begin(), coefficients_.end(), 0.0);
    text_ = normalizeBlanks(text);
    pos_ = 0;
    while (!atEnd()) {
        readSummand();
    }
}

void CLinearFormReader::readSummand() {
    const int sign = readSign();
    double factor = 1.0;
    const std::size_t index =
        isVariableLetter(peek()) ? readVariableSummand(factor) : readNumberSummand(factor);
    if (skip(kBlank)) {
        requireMore();
    }
    if (!atEnd() && peek() != '+' && peek() != '-') {
        fail("plus, minus or end expected");
    }
    store(index, factor == 0.0 ? 0.0 : sign * factor);
}

// One optional "+" or "-", then one optional blank; the summand itself must follow.
int CLinearFormReader::readSign() {
    int sign = 1;
    if (skip('+')) {
        requireMore();
    } else if (skip('-')) {
        sign = -1;
        requireMore();
    }
    if (skip(kBlank)) {
        requireMore();
    }
    return sign;
}

// x<i> [blank] [* [blank] factor]; a written factor must not be zero.
std::size_t CLinearFormReader::readVariableSummand(double& factor) {
    const std::size_t index = readIndex();
    if (skip(kBlank)) {
        requireMore();
    }
    if (skip('*')) {
        requireMore();
        if (skip(kBlank)) {
            requireMore();
        }
        factor = readNumber();
        if (factor == 0.0) {
            fail("real number expected");
        }
    }
    return index;
}

// factor [blank] [*] [blank] [x<i>]; without a variable the summand is the constant term.
std::size_t CLinearFormReader::readNumberSummand(double& factor) {
    factor = readNumber();
    if (skip(kBlank)) {
        requireMore();
    }
    const bool product = skip('*');
    if (product) {
        requireMore();
        if (skip(kBlank)) {
            requireMore();
        }
    }
    if (isVariableLetter(peek())) {
        return readIndex();
    }
    if (product) {
        fail("variable expected after '*'");
    }
    return 0;
}

// The letter x and the decimal index after it (1..n). Long indices saturate instead of overflowing.
std::size_t CLinearFormReader::readIndex() {
    ++pos_;
    requireMore();
    const std::size_t first = pos_;
    const std::size_t n = coefficients_.size() - 1;
    std::size_t index = 0;
    bool tooLarge = false;
    for (; !atEnd() && isDigit(peek()); ++pos_) {
        index = index * 10 + static_cast<std::size_t>(peek() - '0');
        if (index > n) {
            tooLarge = true;
            index = n + 1;
        }
    }
    if (pos_ == first || (index == 0 && !tooLarge)) {
        fail("nonzero integeral index expected");
    }
    if (tooLarge) {
        const std::string message = "index x" + shownIndex(std::string_view(text_).substr(first, pos_ - first)) +
                                    " exceeds the number of input variables (" + std::to_string(n) + ")";
        throw ESyntax(message);
    }
    return index;
}

// An unsigned decimal real number; infinite, out-of-range or missing numbers are refused.
double CLinearFormReader::readNumber() {
    const std::string_view rest = std::string_view(text_).substr(pos_);
    const auto number = rest.starts_with('-') || rest.starts_with('+') ? std::nullopt : NumberText::readPrefix(rest);
    if (!number) {
        fail("real number expected");
    }
    pos_ += number->length;
    return number->value;
}

void CLinearFormReader::store(std::size_t index, double value) const {
    if (coefficients_[index] != 0.0) {
        fail("each index should occure only once");
    }
    coefficients_[index] = value;
}

bool CLinearFormReader::skip(char c) {
    if (peek() != c || atEnd()) {
        return false;
    }
    ++pos_;
    return true;
}

void CLinearFormReader::requireMore() const {
    if (atEnd()) {
        fail("unexpected end");
    }
}

void CLinearFormReader::fail(const char* message) const { throw ESyntax(message); }

}  // namespace zorv
