#pragma once

#include <string>

namespace zorv {

class CRuleBase;

// Stand-alone C99 for a compiled rule base: its sampled sets (the non-zero range of each distinct cell), its
// rules and the evaluation of its inference and defuzzification methods, with no dependency beyond <math.h> and
// no allocation. The entry point
//     int PREFIX_evaluate(const double *inputs, double *output);
// takes one value per input in the order of the rule base, clamps each to its context as "zorv eval" does,
// writes the crisp output and returns 0; it returns 1 for an input that is not a finite number and 2 where the
// engine refuses (the smooth defuzzification over too large a neighbourhood).
class CGenerator {
public:
    struct Files {
        std::string header;
        std::string source;
    };

    // prefix: a C identifier; headerName: the name the source includes ("NAME.h"). Throws EInterchange when the
    // rule base has no input or output, or holds a method that gives no value for its type.
    static Files Generate(const CRuleBase& unit, const std::string& prefix, const std::string& headerName);
};

}  // namespace zorv
