#pragma once

#include <memory>
#include <vector>

#include "fuzzy/sets/CFuzzyDiscreteSet.h"
#include "rulebase/CValue.h"
#include "rulebase/SampledCell.h"

namespace zorv {

// An ordinary cell: the fuzzy set its text denotes in the owner's vocabulary, sampled at the owner's
// discretization over the owner's context. Besides the set itself (compressed to its support unless it is
// all zero), compilation keeps a flat copy of every sample for the inference hot path (SampledCell).
class CFuzValue final : public CValue {
public:
    CFuzValue(std::string text, int ownerIndex);
    ~CFuzValue() override;

    std::unique_ptr<CValue> Clone() const override;

    void Compile(const CRuleBase& unit) override;
    std::optional<ESyntax> Check(const CRuleBase& unit) const override;

    // The compiled set (a CCompressedFuzzyDiscreteSet, or a plain CFuzzyDiscreteSet when every value is 0).
    const CFuzzyDiscreteSet& Set() const { return *set_; }

    // The samples as the inference reads them; shared with the compiled forms made from this cell.
    const std::shared_ptr<const SampledCell>& Sampled() const { return sampled_; }
    const double* Samples() const { return sampled_->Samples(); }
    int SampleCount() const { return sampled_->SampleCount(); }
    int FirstNonZero() const { return sampled_->FirstNonZero(); }
    int LastNonZero() const { return sampled_->LastNonZero(); }
    // Membership degree at x, the same as Set().membership(x).
    double Degree(double x) const { return sampled_->Degree(x); }

private:
    CFuzValue(const CFuzValue& other);
    CFuzzyDiscreteSet Evaluate(const CRuleBase& unit) const;
    void Store(CFuzzyDiscreteSet set, double low, double high);

    std::unique_ptr<CFuzzyDiscreteSet> set_;
    // Made anew at every compilation, so that compiled forms holding the previous one keep it unchanged.
    std::shared_ptr<const SampledCell> sampled_;
};

}  // namespace zorv
