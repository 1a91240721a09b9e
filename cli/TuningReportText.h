#pragma once

#include <string>

namespace zorv {
struct TuningResult;
}

namespace zorv::cli {

// The report of "zorv tune", one "key: value" line each: the error before and after on the fitted rows and on
// the hold-out, every parameter that moved (old -> new), the evaluations used, the time and why the search
// ended. Numbers are the shortest texts that read back exactly.
class TuningReportText {
public:
    static std::string Of(const TuningResult& result, int budget);
};

}  // namespace zorv::cli
