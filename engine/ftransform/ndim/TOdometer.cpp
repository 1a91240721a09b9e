#include "ftransform/ndim/TOdometer.h"

#include <algorithm>
#include <utility>

namespace zorv {

TOdometer::TOdometer(std::vector<int> sizes) : sizes_(std::move(sizes)), cursor_(sizes_.size(), 0) {}

const std::vector<int>& TOdometer::start() {
    std::fill(cursor_.begin(), cursor_.end(), 0);
    done_ = sizes_.empty() || std::any_of(sizes_.begin(), sizes_.end(), [](int s) { return s <= 0; });
    return cursor_;
}

const std::vector<int>& TOdometer::next() {
    for (std::size_t i = 0; i < cursor_.size(); ++i) {
        if (++cursor_[i] < sizes_[i]) {
            return cursor_;
        }
        cursor_[i] = 0;
    }
    done_ = true;
    return cursor_;
}

}  // namespace zorv
