#pragma once

#include <memory>
#include <vector>

#include "fuzzy/sets/CFuzzyDiscreteSet.h"
#include "rulebase/CValue.h"

namespace zorv {

// An ordinary cell: the fuzzy set its text denotes in the owner's vocabulary, sampled at the owner's
// discretization over the owner's context. Besides the set itself (compressed to its support unless it is
// all zero), compilation keeps a flat copy of every sample for the inference hot path.
class CFuzValue final : public CValue {
public:
    CFuzValue(std::string text, int ownerIndex);
    ~CFuzValue() override;

    void Compile(const CRuleBase& unit) override;
    std::optional<ESyntax> Check(const CRuleBase& unit) const override;

    // The compiled set (a CCompressedFuzzyDiscreteSet, or a plain CFuzzyDiscreteSet when every value is 0).
    const CFuzzyDiscreteSet& Set() const { return *set_; }

    // All samples, zeros outside the support; sample j stands for low + j (high - low) / (count - 1).
    const double* Samples() const { return samples_.data(); }
    int SampleCount() const { return static_cast<int>(samples_.size()); }
    // Index range of the non-zero samples. When every sample is 0, FirstNonZero() == SampleCount() and
    // LastNonZero() == -1, so a loop from the first to the last runs no step.
    int FirstNonZero() const { return first_; }
    int LastNonZero() const { return last_; }

    // Membership degree at x, the same as Set().membership(x): the samples interpolated linearly over the
    // owner's context; points outside it (and NaN) take the value at the nearest end of the grid.
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
    CFuzzyDiscreteSet Evaluate(const CRuleBase& unit) const;
    void Store(CFuzzyDiscreteSet set, double low, double high);

    std::unique_ptr<CFuzzyDiscreteSet> set_;
    std::vector<double> samples_;
    double low_ = 0.0;
    double width_ = 0.0;  // high - low
    int first_ = 0;
    int last_ = -1;
};

}  // namespace zorv
