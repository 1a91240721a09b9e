#pragma once

#include <memory>
#include <optional>
#include <string>

#include "fuzzy/expression/ESyntax.h"

namespace zorv {

class CRuleBase;

// One cell of a rule base's pool: a rule expression shared by every rule slot that holds the same text for
// variables with the same settings and discretization. The cell keeps its text, the signed index of the
// variable it was made for (its owner), a reference count (one per rule slot) and, in the subclasses, the
// compiled form that inference reads.
class CValue {
public:
    CValue(std::string text, int ownerIndex) : text_(std::move(text)), ownerIndex_(ownerIndex) {}
    virtual ~CValue() = default;
    CValue& operator=(const CValue&) = delete;

    // A copy with the same text, owner, reference count and compiled form.
    virtual std::unique_ptr<CValue> Clone() const = 0;

    // Rebuilds the compiled form from the text with the owner's settings in unit. When the text does not
    // compile, the compiled form becomes neutral (all-zero set, zero coefficients), the message is kept
    // (CompileError) and the ESyntax is thrown.
    virtual void Compile(const CRuleBase& unit) = 0;
    // Whether the text compiles now with the owner's settings in unit (the cell is left as it is).
    virtual std::optional<ESyntax> Check(const CRuleBase& unit) const = 0;
    virtual bool IsLinear() const { return false; }

    int AddRef() { return ++refCount_; }
    int Release() { return --refCount_; }

    const std::string& Text() const { return text_; }
    int OwnerIndex() const { return ownerIndex_; }
    void SetOwnerIndex(int ownerIndex) { ownerIndex_ = ownerIndex; }
    int RefCount() const { return refCount_; }

    // The message of the last failed compilation; none after a successful one.
    const std::optional<std::string>& CompileError() const { return compileError_; }

    // Rank of the text as an evaluative expression of a linguistic vocabulary (used for rule specificity);
    // none when the owner's vocabulary is not linguistic or the text is not such an expression.
    std::optional<int> SpecificityRank() const { return specificityRank_; }

protected:
    CValue(const CValue&) = default;
    void SetCompileError(std::optional<std::string> message) { compileError_ = std::move(message); }
    void SetSpecificityRank(std::optional<int> rank) { specificityRank_ = rank; }

private:
    std::string text_;
    int ownerIndex_;
    int refCount_ = 0;
    std::optional<std::string> compileError_;
    std::optional<int> specificityRank_;
};

}  // namespace zorv
