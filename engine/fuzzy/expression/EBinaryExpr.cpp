#include "fuzzy/expression/EBinaryExpr.h"

#include <vector>

namespace zorv {

EBinaryExpr::EBinaryExpr(std::unique_ptr<ELingExpr> left, int connective, std::unique_ptr<ELingExpr> right)
    : EFuzzyExpr(kBinary), left_(std::move(left)), connective_(connective), right_(std::move(right)) {}

EBinaryExpr::~EBinaryExpr() {
    // Detach the operands and destroy them one by one, so that the depth of the tree never becomes
    // the depth of the call stack.
    std::vector<std::unique_ptr<ELingExpr>> pending;
    pending.push_back(std::move(left_));
    pending.push_back(std::move(right_));
    while (!pending.empty()) {
        std::unique_ptr<ELingExpr> node = std::move(pending.back());
        pending.pop_back();
        if (node == nullptr || node->kind() != kBinary) continue;
        auto& binary = static_cast<EBinaryExpr&>(*node);
        pending.push_back(std::move(binary.left_));
        pending.push_back(std::move(binary.right_));
    }
}

}  // namespace zorv
