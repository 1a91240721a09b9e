#include "rulebase/CFuzValue.h"

#include "fuzzy/expression/ExpressionText.h"
#include "fuzzy/vocabulary/CBasicSettings.h"
#include "rulebase/CRuleBase.h"

namespace zorv {

namespace {

// Rank of the text when the vocabulary is linguistic and the text one of its evaluative expressions.
std::optional<int> RankOf(const CSettings& settings, const std::string& text) {
    if (settings.typeName() != "linguistic") return std::nullopt;
    CLingTerm term;
    if (describeExpression(settings, text, term) != 1) return std::nullopt;
    return term.specificity();
}

}  // namespace

CFuzValue::CFuzValue(std::string text, int ownerIndex) : CValue(std::move(text), ownerIndex) {
    Store(CFuzzyDiscreteSet(), 0.0, 0.0);
}

CFuzValue::~CFuzValue() = default;

// The samples are immutable and shared; the set is copied.
CFuzValue::CFuzValue(const CFuzValue& other)
    : CValue(other),
      set_(static_cast<CFuzzyDiscreteSet*>(other.set_->clone().release())),
      sampled_(other.sampled_) {}

std::unique_ptr<CValue> CFuzValue::Clone() const { return std::unique_ptr<CValue>(new CFuzValue(*this)); }

void CFuzValue::Compile(const CRuleBase& unit) {
    const CSettings& settings = unit.Settings(OwnerIndex());
    SetSpecificityRank(RankOf(settings, Text()));
    try {
        CFuzzyDiscreteSet set = Evaluate(unit);
        const double low = set.low();
        const double high = set.high();
        Store(std::move(set), low, high);
        SetCompileError(std::nullopt);
    } catch (const ESyntax& error) {
        const int n = unit.Discretization(OwnerIndex());
        Store(CFuzzyDiscreteSet(n, settings.low(), settings.high()), settings.low(), settings.high());
        SetCompileError(error.message());
        throw;
    }
}

std::optional<ESyntax> CFuzValue::Check(const CRuleBase& unit) const {
    try {
        Evaluate(unit);
    } catch (const ESyntax& error) {
        return error;
    }
    return std::nullopt;
}

// The set of the text in the owner's vocabulary at the owner's discretization.
CFuzzyDiscreteSet CFuzValue::Evaluate(const CRuleBase& unit) const {
    const auto* vocabulary = dynamic_cast<const CBasicSettings*>(&unit.Settings(OwnerIndex()));
    if (vocabulary == nullptr) throw ESyntax("expression of a linear vocabulary in a fuzzy cell", Text(), 0);
    return vocabulary->evaluate(Text(), unit.Discretization(OwnerIndex()));
}

// Keeps the flat samples and the set: compressed to its support, or as it is when every value is 0.
void CFuzValue::Store(CFuzzyDiscreteSet set, double low, double high) {
    set.densify();
    const int first = set.firstNonZero();
    const int last = set.lastNonZero();
    sampled_ = std::make_shared<const SampledCell>(set.values(), low, high, first, last);
    if (first <= last) {
        set_ = std::make_unique<CCompressedFuzzyDiscreteSet>(std::move(set));
    } else {
        set_ = std::make_unique<CFuzzyDiscreteSet>(std::move(set));
    }
}

}  // namespace zorv
