#include "fuzzy/expression/ELingExpr.h"

#include <utility>
#include <vector>

#include "fuzzy/expression/EBinaryExpr.h"

namespace zorv {

std::string ELingExpr::print() const {
    // Depth-first walk with an explicit stack; a binary node is visited three times (phase 0: before the
    // left operand, 1: before the right operand, 2: after it).
    std::string out;
    std::vector<std::pair<const ELingExpr*, int>> pending{{this, 0}};
    while (!pending.empty()) {
        auto [node, phase] = pending.back();
        pending.pop_back();
        const EBinaryExpr* binary = node->asBinary();
        if (binary == nullptr) {
            node->printSelf(out);
            continue;
        }
        switch (phase) {
            case 0:
                if (binary->parenthesised) out += '(';
                pending.emplace_back(node, 1);
                pending.emplace_back(&binary->left(), 0);
                break;
            case 1:
                out += ' ';
                out += binary->connectiveName();
                out += ' ';
                pending.emplace_back(node, 2);
                pending.emplace_back(&binary->right(), 0);
                break;
            default:
                if (binary->parenthesised) out += ')';
                break;
        }
    }
    return out;
}

}  // namespace zorv
