#pragma once

#include <cstddef>
#include <vector>

namespace zorv {

// A closed interval <low, high> of one axis.
struct CInterval {
    double low = 0.0;
    double high = 0.0;
    bool operator==(const CInterval&) const = default;
};

// The context a fuzzy set lives on: one interval per axis. Every set made from a variable has one axis.
class CUniverse {
public:
    CUniverse() = default;
    CUniverse(double low, double high) : ranges_{{low, high}} {}
    explicit CUniverse(std::vector<CInterval> ranges) : ranges_(std::move(ranges)) {}

    int dimensions() const { return static_cast<int>(ranges_.size()); }
    const CInterval& range(int axis) const { return ranges_[static_cast<std::size_t>(axis)]; }
    CInterval& range(int axis) { return ranges_[static_cast<std::size_t>(axis)]; }
    const std::vector<CInterval>& ranges() const { return ranges_; }

    double low() const { return ranges_.front().low; }
    double high() const { return ranges_.front().high; }

    // The axes of a followed by the axes of b (the universe of a Cartesian product).
    static CUniverse product(const CUniverse& a, const CUniverse& b) {
        std::vector<CInterval> r = a.ranges_;
        r.insert(r.end(), b.ranges_.begin(), b.ranges_.end());
        return CUniverse(std::move(r));
    }

    bool operator==(const CUniverse&) const = default;

private:
    std::vector<CInterval> ranges_;
};

}  // namespace zorv
