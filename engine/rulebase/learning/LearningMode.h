#pragma once

namespace zorv {

// How learning describes a data value with an expression of its variable.
enum class LearningMode {
    approx,     // "Approx learning": the best-fitting user-defined term
    pentatomy,  // "Linguistic learning (pentatomy)": fixed middle terms, then the best evaluative expression
};

}  // namespace zorv
