#pragma once

#include <string_view>

namespace zorv {

// The evaluation code of the generated C: the inference methods, the defuzzification methods and the entry
// point, in C99 with <math.h> only. The generator puts before it the tables of the rule base and the macros
// that select the methods (ZV_METHOD, ZV_TNORM, ZV_DEFUZZ, ...); the preprocessor keeps only what they use.
// Every step follows the engine's evaluation, operation for operation, so that the results agree to rounding.
class CRuntimeSource {
public:
    // The set type and the macros the tables use; it comes before them.
    static std::string_view Prelude();
    // The evaluation code; it comes after the tables.
    static std::string_view Text();
};

}  // namespace zorv
