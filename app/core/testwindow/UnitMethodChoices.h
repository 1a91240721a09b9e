#pragma once

#include <string>
#include <vector>

#include "rulebase/DescriptionType.h"

namespace zorv {

class CRuleBase;

// The method lists of a rule base's type as the editor and the test window offer them: the inference
// methods of the type, and the seven defuzzification methods for a linguistic unit.
// Indexes are positions in these lists; -1 means "not offered".
class UnitMethodChoices {
public:
    explicit UnitMethodChoices(DescriptionType type) : type_(type) {}

    // "Linguistic", "TS-Singleton" or "Unknown".
    static std::string typeCaption(DescriptionType type);

    std::vector<std::string> inferenceNames() const;
    int inferenceIndex(const CRuleBase& unit) const;
    void chooseInference(CRuleBase& unit, int index) const;

    // The defuzzification list and its caption are hidden for a singleton unit.
    bool defuzzificationShown() const { return type_ != DescriptionType::singleton; }
    std::vector<std::string> defuzzificationNames() const;
    int defuzzificationIndex(const CRuleBase& unit) const;
    // Sets the method; the smooth one switches the F-transform filter off.
    void chooseDefuzzification(CRuleBase& unit, int index) const;

    // The filter cannot be used together with the smooth defuzzification.
    static bool filterAvailable(const CRuleBase& unit);

private:
    DescriptionType type_;
};

}  // namespace zorv
