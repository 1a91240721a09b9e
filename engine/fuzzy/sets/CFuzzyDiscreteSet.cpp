#include "fuzzy/sets/CFuzzyDiscreteSet.h"

#include <algorithm>
#include <numeric>

namespace zorv {

namespace {

int clampedProduct(std::vector<int>& sizes) {
    if (sizes.empty()) return 0;
    long long n = 1;
    for (int& s : sizes) {
        s = std::max(0, s);
        n *= s;
    }
    return static_cast<int>(n);
}

}  // namespace

CFuzzyDiscreteSet::CFuzzyDiscreteSet() : CFuzzyDiscreteSet(0, 0.0, 0.0) {}

CFuzzyDiscreteSet::CFuzzyDiscreteSet(int n, double low, double high)
    : CFuzzyDiscreteSet(std::vector<int>{n}, CUniverse(low, high)) {}

CFuzzyDiscreteSet::CFuzzyDiscreteSet(std::vector<double> values, double low, double high)
    : CFuzzySet(CUniverse(low, high)),
      sizes_{static_cast<int>(values.size())},
      values_(std::move(values)),
      count_(sizes_[0]) {}

CFuzzyDiscreteSet::CFuzzyDiscreteSet(int size, std::vector<double> values, double low, double high)
    : CFuzzyDiscreteSet(std::vector<int>{size}, CUniverse(low, high), std::move(values)) {}

CFuzzyDiscreteSet::CFuzzyDiscreteSet(std::vector<int> sizes, CUniverse universe, std::vector<double> values)
    : CFuzzySet(std::move(universe)), sizes_(std::move(sizes)), values_(std::move(values)) {
    count_ = clampedProduct(sizes_);
    values_.resize(static_cast<std::size_t>(count_), 0.0);
}

CFuzzyDiscreteSet::CFuzzyDiscreteSet(CFuzzyDiscreteSet&& other) noexcept
    : CFuzzySet(std::move(other)),
      sizes_(std::move(other.sizes_)),
      values_(std::move(other.values_)),
      count_(other.count_),
      first_(other.first_) {
    other.leaveEmpty();
}

CFuzzyDiscreteSet& CFuzzyDiscreteSet::operator=(CFuzzyDiscreteSet&& other) noexcept {
    if (this != &other) {
        CFuzzySet::operator=(std::move(other));
        sizes_ = std::move(other.sizes_);
        values_ = std::move(other.values_);
        count_ = other.count_;
        first_ = other.first_;
        other.leaveEmpty();
    }
    return *this;
}

void CFuzzyDiscreteSet::leaveEmpty() noexcept {
    sizes_.clear();
    values_.clear();
    count_ = 0;
    first_ = 0;
}

CAlphaCut CFuzzyDiscreteSet::alphaCut(double) const { return CAlphaCut::interval(0.0, 1.0); }

void CFuzzyDiscreteSet::densify() {
    if (isDense()) return;
    std::vector<double> dense(static_cast<std::size_t>(count_), 0.0);
    for (int i = 0; i < count_; ++i) dense[static_cast<std::size_t>(i)] = valueAt(i);
    values_.swap(dense);
    first_ = 0;
}

void CFuzzyDiscreteSet::setValues(const double* v) {
    first_ = 0;
    if (v == nullptr) {
        values_.clear();
        return;
    }
    values_.assign(v, v + count_);
}

void CFuzzyDiscreteSet::setValues(std::vector<double>&& v) {
    values_ = std::move(v);
    values_.resize(static_cast<std::size_t>(count_), 0.0);
    first_ = 0;
}

void CFuzzyDiscreteSet::fill(double value) {
    values_.assign(static_cast<std::size_t>(count_), value);
    first_ = 0;
}

int CFuzzyDiscreteSet::linearIndex(const int* index) const {
    if (index == nullptr) return -1;
    long long linear = 0;
    for (std::size_t k = sizes_.size(); k-- > 0;) {
        if (index[k] < 0 || index[k] >= sizes_[k]) return -1;
        linear = linear * sizes_[k] + index[k];
    }
    return static_cast<int>(linear);
}

bool CFuzzyDiscreteSet::nextIndex(int* index) const {
    if (index == nullptr) return false;
    for (std::size_t k = 0; k < sizes_.size(); ++k) {
        if (++index[k] < sizes_[k]) return true;
        index[k] = 0;
    }
    return false;
}

int CFuzzyDiscreteSet::firstNonZero() const {
    const auto it = std::find_if(values_.begin(), values_.end(), [](double v) { return v != 0.0; });
    return it == values_.end() ? count_ : first_ + static_cast<int>(it - values_.begin());
}

int CFuzzyDiscreteSet::lastNonZero() const {
    const auto it = std::find_if(values_.rbegin(), values_.rend(), [](double v) { return v != 0.0; });
    return it == values_.rend() ? -1 : first_ + static_cast<int>(values_.rend() - it) - 1;
}

double CFuzzyDiscreteSet::sum() const { return std::accumulate(values_.begin(), values_.end(), 0.0); }

double CFuzzyDiscreteSet::sumOfSquares() const {
    return std::inner_product(values_.begin(), values_.end(), values_.begin(), 0.0);
}

double CFuzzyDiscreteSet::height() const {
    double h = 0.0;
    for (double v : values_) h = v > h ? v : h;
    return h;
}

void CFuzzyDiscreteSet::assign(const CFuzzySet& source) {
    if (this == &source) return;
    if (const auto* discrete = dynamic_cast<const CFuzzyDiscreteSet*>(&source)) {
        CFuzzyDiscreteSet::operator=(*discrete);
        return;
    }
    std::vector<int> counts(static_cast<std::size_t>(source.dimensions()), 1);
    std::copy_n(sizes_.begin(), std::min(sizes_.size(), counts.size()), counts.begin());
    CFuzzyDiscreteSet::operator=(source.discretize(counts.data()));
}

void CFuzzyDiscreteSet::assign(CFuzzyDiscreteSet&& source) {
    if (this != &source) CFuzzyDiscreteSet::operator=(std::move(source));
}

double CFuzzyDiscreteSet::gridPoint(int axis, int j) const {
    if (axis < 0 || axis >= universe_.dimensions()) return 0.0;
    const CInterval& r = universe_.range(axis);
    const int n = static_cast<std::size_t>(axis) < sizes_.size() ? sizes_[static_cast<std::size_t>(axis)] : 1;
    return gridCoordinate(r.low, r.high, n, j);
}

double CFuzzyDiscreteSet::membership(const double* point) const {
    if (sizes_.size() == 1 && universe_.dimensions() > 0) return mu(point[0]);
    if (count_ == 0) return 0.0;
    const std::size_t dims = static_cast<std::size_t>(universe_.dimensions());
    long long linear = 0;
    for (std::size_t k = sizes_.size(); k-- > 0;) {
        const int n = sizes_[k];
        int i = 0;
        if (n > 1 && k < dims) {
            const CInterval& r = universe_.range(static_cast<int>(k));
            const double width = r.high - r.low;
            const double t = width != 0.0 ? (point[k] - r.low) * (n - 1) / width + 0.5 : 0.0;
            if (t >= n - 1)
                i = n - 1;
            else if (t > 0.0)
                i = static_cast<int>(t);
        }
        linear = linear * n + i;
    }
    return valueAt(static_cast<int>(linear));
}

void CFuzzyDiscreteSet::membershipBatch(const double* xs, double* out, std::size_t n) const {
    for (std::size_t i = 0; i < n; ++i) out[i] = mu(xs[i]);
}

}  // namespace zorv
