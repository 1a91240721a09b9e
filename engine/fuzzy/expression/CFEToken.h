#pragma once

namespace zorv {

// A token of the expression lexer: its type, its value (hedge code, atom, user-term index or number)
// and its place in the text.
struct CFEToken {
    enum class Type {
        kEnd,
        kUserTerm,
        kSmall,
        kMedium,
        kBig,
        kZero,
        kHedge,  // value: hedge code 0..7, or 8 for "no"/"not"
        kAnd,
        kOr,
        kAbout,
        kIgnor,
        kUndef,
        kNumber,
        kLeftParen,
        kRightParen,
        kPlus,
        kMinus,
        kOtherChar,  // any other single character; no rule accepts it
    };

    Type type = Type::kEnd;
    double value = 0.0;
    int start = 0;  // offset of the first character
    int end = 0;    // offset after the last character
};

}  // namespace zorv
