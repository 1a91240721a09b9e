#pragma once

#include <string>
#include <vector>

namespace zorv {

// Turns the names of another tool into names this system reads back unchanged. Every renaming is reported.
class ForeignNames {
public:
    struct Renaming {
        std::string from;
        std::string to;
    };

    // Names of terms as words of expressions: letters, digits and "_", not beginning with a digit, none a word
    // of the linguistic vocabulary ("small", "very", "not", "and", "undef", ...), all different, and none
    // followed by "_" at the start of another (the expression parser would read the shorter one there).
    static std::vector<std::string> TermNames(const std::vector<std::string>& names, std::vector<Renaming>& renamed);
    // Names of variables: no comma, control character or blank at either end, all different.
    static std::vector<std::string> VariableNames(const std::vector<std::string>& names,
                                                  std::vector<Renaming>& renamed);
    // An identifier of the C language and of the interchange formats: letters, digits and "_", not beginning
    // with a digit; empty names become fallback.
    static std::string Identifier(const std::string& name, const std::string& fallback);
    // A name written to FIS, FCL or FLL: an Identifier that the rule texts of those formats do not read as a
    // keyword or hedge, nor FCL as a block keyword ("very" -> "very_", "then" -> "then_"), in any case.
    static std::string Exported(const std::string& name, const std::string& fallback);
};

}  // namespace zorv
