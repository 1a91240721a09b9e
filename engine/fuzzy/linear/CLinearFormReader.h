#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace zorv {

// Reads a linear form "c0 + c1*x1 - x2 + 3 x4 ..." into a coefficient vector c[0..n]:
// summands are separated by "+" or "-"; a summand is a variable x<i> (or X<i>) with an optional
// "*factor", or a number with an optional "*" and variable; a number alone is the constant term.
// Every index may occur once. Errors throw ESyntax without text or position.
class CLinearFormReader {
public:
    // coefficients holds n + 1 entries, n being the number of input variables.
    explicit CLinearFormReader(std::span<double> coefficients) : coefficients_(coefficients) {}

    // Clears the coefficients, then fills them from the text.
    void read(std::string_view text);

private:
    void readSummand();
    int readSign();
    std::size_t readVariableSummand(double& factor);
    std::size_t readNumberSummand(double& factor);
    std::size_t readIndex();
    double readNumber();
    void store(std::size_t index, double value) const;

    bool atEnd() const { return pos_ >= text_.size(); }
    char peek() const { return atEnd() ? '\0' : text_[pos_]; }
    bool skip(char c);
    void requireMore() const;
    [[noreturn]] void fail(const char* message) const;

    std::span<double> coefficients_;
    std::string text_;
    std::size_t pos_ = 0;
};

}  // namespace zorv
