#pragma once

#include <optional>
#include <string>

#include "fuzzy/expression/ESyntax.h"
#include "fuzzy/vocabulary/CLingTerm.h"

namespace zorv {

class EBinaryExpr;

// A node of the parse tree of an evaluative expression. Printing gives the canonical text; describe fills
// a descriptor (CLingTerm) from the root; the number operations serve context changes (only the nodes
// holding a number react to them).
// Trees may be arbitrarily deep (a long chain of "or"): printing and destruction do not recurse.
class ELingExpr {
public:
    // Kind codes.
    static constexpr int kLingExpr = 0;
    static constexpr int kSingleton = 1;
    static constexpr int kSpecial = 2;
    static constexpr int kFuzzyExpr = 3;
    static constexpr int kUndef = 4;
    static constexpr int kIgnor = 5;
    static constexpr int kModifTerm = 6;
    static constexpr int kTerm = 7;
    static constexpr int kUserTerm = 8;
    static constexpr int kFuzzyTerm = 9;
    static constexpr int kFuzzyNumber = 10;
    static constexpr int kZeroTerm = 11;
    static constexpr int kBinary = 12;

    virtual ~ELingExpr() = default;
    ELingExpr(const ELingExpr&) = delete;
    ELingExpr& operator=(const ELingExpr&) = delete;

    int kind() const { return kind_; }

    // The canonical text of the tree.
    std::string print() const;
    // Writes what this node says about the expression into d (the root's view of the whole).
    virtual void describe(CLingTerm& d) const { (void)d; }
    // Checks the node against its vocabulary; the error carries the position ESyntax::kAfterParse.
    virtual std::optional<ESyntax> validate() const { return std::nullopt; }
    // Number operations: v = newLow + (v - oldLow)/(oldHigh - oldLow) (newHigh - newLow); v limited to
    // [low, high]; low <= v <= high. Nodes without a number do nothing and are always in range.
    virtual void rescale(double newLow, double newHigh, double oldLow, double oldHigh) {
        (void)newLow, (void)newHigh, (void)oldLow, (void)oldHigh;
    }
    virtual void clamp(double low, double high) { (void)low, (void)high; }
    virtual bool inRange(double low, double high) const {
        (void)low, (void)high;
        return true;
    }
    // The number of a singleton or an "about" node.
    virtual std::optional<double> number() const { return std::nullopt; }

    // Set when the node was written in parentheses.
    bool parenthesised = false;

protected:
    explicit ELingExpr(int kind) : kind_(kind) {}

    // Appends this node's own text (leaves; binary nodes are printed by print()).
    virtual void printSelf(std::string& out) const { (void)out; }
    virtual const EBinaryExpr* asBinary() const { return nullptr; }

private:
    int kind_;
};

}  // namespace zorv
