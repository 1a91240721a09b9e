#include "ftransform/command/NodeCountSearch.h"

namespace zorv {

NodeCountSearch::Result NodeCountSearch::run(int highest, double maxError, const ErrorOf& errorOf) {
    int lo = 1;
    int hi = highest;
    if (errorOf(hi) > maxError) {
        return {hi, true};
    }
    int last = hi;
    while (hi - lo >= 2) {
        const int mid = lo + (hi - lo) / 2;
        last = mid;
        if (errorOf(mid) >= maxError) {
            lo = mid;
        } else {
            hi = mid;
        }
    }
    if (last != hi) {
        errorOf(hi);
    }
    return {hi, false};
}

}  // namespace zorv
