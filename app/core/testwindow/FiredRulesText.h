#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace zorv {

class CRuleBase;

// The fired-rules text of the test window after an evaluation:
//   Number of fired rules: 2
//   Rule 1: sm & me --> ve bi
//   Rule 4: me & sm --> ml bi
// Rules are numbered from 1; each line joins the rule's input texts with " & ", then " --> " and its
// output texts joined the same way. Every line ends with a line break.
class FiredRulesText {
public:
    // For the fired flags and count an evaluation left (in its workspace); flags of rules the unit no longer
    // has are passed over.
    static std::string Of(const CRuleBase& unit, std::span<const std::uint8_t> fired, int firedCount);
    static std::string RuleLine(const CRuleBase& unit, int rule);
};

}  // namespace zorv
