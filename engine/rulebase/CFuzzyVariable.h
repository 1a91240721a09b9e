#pragma once

#include <memory>
#include <string>
#include <vector>

#include "fuzzy/vocabulary/CSettings.h"

namespace zorv {

// An input or output variable of a rule base: its name, its vocabulary ("settings", possibly shared with
// other variables of the unit by alias), the number of points its fuzzy sets are sampled on, and the pool
// position of its expression in every rule.
class CFuzzyVariable {
public:
    // settings must not be null and discretization must be at least 1 (std::invalid_argument otherwise).
    CFuzzyVariable(std::string name, std::shared_ptr<CSettings> settings, int discretization);

    const std::string& Name() const { return name_; }
    void SetName(std::string name) { name_ = std::move(name); }

    int Discretization() const { return discretization_; }

    const CSettings& Settings() const { return *settings_; }
    CSettings& Settings() { return *settings_; }
    // The settings object itself; variables holding the same object are aliases of each other.
    const std::shared_ptr<CSettings>& SharedSettings() const { return settings_; }

    // cellIndex[r] is the pool position of this variable's rule-r expression.
    const std::vector<int>& CellIndex() const { return cellIndex_; }

private:
    friend class CRuleBase;

    std::string name_;
    std::shared_ptr<CSettings> settings_;
    int discretization_;
    std::vector<int> cellIndex_;
};

}  // namespace zorv
