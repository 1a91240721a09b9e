#pragma once

#include <string>
#include <string_view>

namespace zorv {

// The evaluation code of the generated C, in C99 with <math.h> only: the inference methods, selected by the
// macros ZV_METHOD and ZV_TNORM that the generator puts before it with the tables of the rule base, and the
// helpers of the defuzzification methods, whose own code comes from their table rows. Every step follows the
// engine's evaluation, operation for operation, so that the results agree to rounding.
class CRuntimeSource {
public:
    // The set type and the macros the tables use; it comes before them.
    static std::string_view Prelude();
    // The evaluation code; it comes after the tables.
    static std::string_view Text();
    // The defuzzification helpers that a method's code calls, directly or through one another, in an order
    // that declares each before its use; it comes between Text() and that code.
    static std::string HelpersOf(std::string_view code);
};

}  // namespace zorv
