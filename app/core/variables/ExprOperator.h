#pragma once

namespace zorv {

class ELingExpr;

// Changes the number held by an expression node (a bare number or an "about" number) when the context of
// its variable changes; nodes without a number are left alone.
class ExprOperator {
public:
    virtual ~ExprOperator() = default;
    virtual void Apply(ELingExpr& node) const = 0;
};

}  // namespace zorv
