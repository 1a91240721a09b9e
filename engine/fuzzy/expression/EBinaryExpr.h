#pragma once

#include <memory>

#include "fuzzy/expression/EFuzzyExpr.h"

namespace zorv {

// left "and"/"or" right (atom kCompound). Prints "%s %s %s", in parentheses when written so.
// Destruction walks the subtree iteratively, so chains of any length are safe.
class EBinaryExpr : public EFuzzyExpr {
public:
    static constexpr int kAnd = 0;
    static constexpr int kOr = 1;

    EBinaryExpr(std::unique_ptr<ELingExpr> left, int connective, std::unique_ptr<ELingExpr> right);
    ~EBinaryExpr() override;

    const ELingExpr& left() const { return *left_; }
    const ELingExpr& right() const { return *right_; }
    int connective() const { return connective_; }
    // "and" or "or".
    const char* connectiveName() const { return connective_ == kAnd ? "and" : "or"; }

    void describe(CLingTerm& d) const override { d.atom = CLingTerm::kCompound; }

protected:
    const EBinaryExpr* asBinary() const override { return this; }

private:
    std::unique_ptr<ELingExpr> left_;
    int connective_;
    std::unique_ptr<ELingExpr> right_;
};

}  // namespace zorv
