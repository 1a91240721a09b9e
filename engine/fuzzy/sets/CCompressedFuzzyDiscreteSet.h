#pragma once

#include "fuzzy/sets/CFuzzyDiscreteSet.h"

namespace zorv {

// "ocmpset": a discrete set that keeps only the values from its first to its last non-zero value; every
// other value is 0. A set with no non-zero value keeps no values and has membership 0 everywhere.
class CCompressedFuzzyDiscreteSet final : public CFuzzyDiscreteSet {
public:
    explicit CCompressedFuzzyDiscreteSet(const CFuzzyDiscreteSet& source);
    // Takes over source's array, compacted in place and trimmed to the non-zero range.
    explicit CCompressedFuzzyDiscreteSet(CFuzzyDiscreteSet&& source);

    std::string_view typeName() const override { return "ocmpset"; }
    std::unique_ptr<CFuzzySet> clone() const override { return std::make_unique<CCompressedFuzzyDiscreteSet>(*this); }

    // The first and last linear index with a non-zero value (count() and -1 when there is none).
    int first() const { return firstNonZero(); }
    int last() const { return lastNonZero(); }

    // The dense form.
    CFuzzyDiscreteSet expanded() const;
};

}  // namespace zorv
