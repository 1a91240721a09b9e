#pragma once

#include <optional>
#include <string_view>

#include "fuzzy/expression/ESyntax.h"
#include "fuzzy/sets/CUniverse.h"

namespace zorv {

// Root of the vocabularies ("settings") of a variable: the context <low, high> it speaks about.
// Kinds are told apart by typeName(), which is also the word stored in rule base files.
class CSettings {
public:
    CSettings(double low, double high) : context_(low, high) {}
    virtual ~CSettings() = default;
    CSettings(const CSettings&) = delete;
    CSettings& operator=(const CSettings&) = delete;

    virtual std::string_view typeName() const = 0;  // "basic", "triang", "linguistic", "linc"
    virtual int isLinear() const { return 0; }
    // True on a linguistic context <-h, h>, whose standard terms live on [-1, 1] and carry a sign.
    virtual bool symmetric() const { return false; }
    // Whether negative signed words ("-small", "-ze") belong to this vocabulary; the parser refuses
    // a "-" sign otherwise.
    virtual bool allowsNegativeTerms() const { return symmetric(); }

    // Parses and validates one cell text in this vocabulary; nothing when it is correct.
    std::optional<ESyntax> checkSyntax(std::string_view text) const;

    const CUniverse& context() const { return context_; }
    double low() const { return context_.low(); }
    double high() const { return context_.high(); }
    // Sets the context; derived vocabularies recompute what depends on it.
    virtual void setContext(double low, double high) { context_ = CUniverse(low, high); }

private:
    CUniverse context_;
};

}  // namespace zorv
