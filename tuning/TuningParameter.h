#pragma once

#include <string>

namespace zorv {

// One number a tuning may move, with the interval it may move in.
struct TuningParameter {
    enum class Kind {
        contextLow,
        contextHigh,
        symmetricBound,  // h of a symmetric context <-h, h>: both bounds move together
        lingParam,
        userTerm,
    };

    Kind kind = Kind::contextLow;
    // Signed index of the first variable that holds the vocabulary (aliases share it).
    int variable = 0;
    // For a user term: its place among the vocabulary's user terms (0 for the first).
    int term = -1;
    // For lingparams: 0..3 in file order; for a user term: the place of the parameter in its shape.
    int position = 0;
    // "indoor.low", "indoor.high", "gap.high" (symmetric), "indoor.lingparam2", "temperature.cool.3"
    // (numbers count from 1).
    std::string name;
    double initial = 0.0;
    double lower = 0.0;
    double upper = 0.0;
};

}  // namespace zorv
