#include "fuzzy/sets/CAlphaCut.h"

#include <algorithm>

namespace zorv {

bool CAlphaCut::contains(const double* point) const {
    return std::any_of(boxes.begin(), boxes.end(), [point](const std::vector<CInterval>& box) {
        for (std::size_t k = 0; k < box.size(); ++k)
            if (!(box[k].low <= point[k] && point[k] <= box[k].high)) return false;
        return true;
    });
}

bool CAlphaCut::isEmpty() const {
    return std::none_of(boxes.begin(), boxes.end(), [](const std::vector<CInterval>& box) {
        return std::all_of(box.begin(), box.end(), [](const CInterval& r) { return r.low <= r.high; });
    });
}

}  // namespace zorv
