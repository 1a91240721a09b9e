#pragma once

#include <cstddef>
#include <vector>

namespace zorv {

// The compiled form of an ordinary rule cell as the inference reads it: every sample of its fuzzy set on the
// owner's grid (zeros outside the support), sample j standing for low + j (high - low) / (count - 1).
// Immutable once made, so that compiled rule bases on several threads can share it.
class SampledCell {
public:
    SampledCell(std::vector<double> samples, double low, double high, int firstNonZero, int lastNonZero)
        : samples_(std::move(samples)), low_(low), width_(high - low), first_(firstNonZero), last_(lastNonZero) {}

    const double* Samples() const { return samples_.data(); }
    int SampleCount() const { return static_cast<int>(samples_.size()); }
    double Low() const { return low_; }
    double High() const { return low_ + width_; }
    // Index range of the non-zero samples. When every sample is 0, FirstNonZero() == SampleCount() and
    // LastNonZero() == -1, so a loop from the first to the last runs no step.
    int FirstNonZero() const { return first_; }
    int LastNonZero() const { return last_; }

    // Membership degree at x: the samples interpolated linearly over the context; points outside it (and NaN)
    // take the value at the nearest end of the grid.
    double Degree(double x) const {
        const int n = SampleCount();
        if (n <= 1 || width_ == 0.0) return n >= 1 ? samples_[0] : 0.0;
        const double t = (x - low_) * (n - 1) / width_;
        if (!(t > 0.0)) return samples_[0];
        if (t >= n - 1) return samples_[static_cast<std::size_t>(n - 1)];
        const int i = static_cast<int>(t);
        const double f = t - i;
        return samples_[static_cast<std::size_t>(i)] * (1.0 - f) + samples_[static_cast<std::size_t>(i) + 1] * f;
    }

private:
    std::vector<double> samples_;
    double low_;
    double width_;  // high - low
    int first_;
    int last_;
};

}  // namespace zorv
