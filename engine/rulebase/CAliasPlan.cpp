#include "rulebase/CAliasPlan.h"

#include "rulebase/CRuleBase.h"
#include "io/EWriteRefused.h"

namespace zorv {

namespace {

// Signed indices in the order of the file: antecedents, then succedents.
std::vector<int> FileOrder(const CRuleBase& unit) {
    std::vector<int> order;
    for (int k = 0; k < unit.AntecedentCount(); ++k) order.push_back(k);
    for (int k = 0; k < unit.SuccedentCount(); ++k) order.push_back(~k);
    return order;
}

// The variable the reader finds under name among the first `read` variables of the file: the latest
// succedent of that name, else the first antecedent.
int Resolve(const CRuleBase& unit, const std::vector<int>& order, std::size_t read, const std::string& name) {
    for (std::size_t i = read; i-- > 0;) {
        if (order[i] < 0 && unit.VariableName(order[i]) == name) return order[i];
    }
    for (std::size_t i = 0; i < read; ++i) {
        if (order[i] >= 0 && unit.VariableName(order[i]) == name) return order[i];
    }
    return CRuleBase::kNoVariable;
}

}  // namespace

CAliasPlan::CAliasPlan(const CRuleBase& unit) : antecedentCount_(unit.AntecedentCount()) {
    const std::vector<int> order = FileOrder(unit);
    targets_.assign(order.size(), CRuleBase::kNoVariable);
    for (std::size_t p = 0; p < order.size(); ++p) {
        const CSettings* settings = unit.Variable(order[p]).SharedSettings().get();
        bool shared = false;
        for (std::size_t h = 0; h < p && targets_[p] == CRuleBase::kNoVariable; ++h) {
            if (unit.Variable(order[h]).SharedSettings().get() != settings) continue;
            shared = true;
            const int found = Resolve(unit, order, p, unit.VariableName(order[h]));
            if (unit.Variable(found).SharedSettings().get() == settings) targets_[p] = found;
        }
        if (shared && targets_[p] == CRuleBase::kNoVariable) {
            throw EWriteRefused("cannot save variable \"" + unit.VariableName(order[p]) +
                         "\": the variables whose settings it shares cannot be named unambiguously (rename the "
                         "variables of equal names)");
        }
    }
}

int CAliasPlan::Target(int signedIndex) const {
    const std::size_t position = signedIndex >= 0 ? static_cast<std::size_t>(signedIndex)
                                                  : static_cast<std::size_t>(antecedentCount_ + ~signedIndex);
    return targets_.at(position);
}

}  // namespace zorv
