#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace zorv {
class CRuleBase;
}

namespace zorv::cli {

// The inputs a surface or projection command line names: input variables by name or by 1-based position,
// and the values of the inputs (--at).
class InputChoice {
public:
    // The index of the input variable named `text`, or at that 1-based position when no input has that
    // name; a usage CliError for neither.
    static int variable(const CRuleBase& unit, const std::string& text);

    // One value per input variable, as written ("." or "," as the decimal mark); none written gives the
    // middle of every context, as the test window's sliders start. A wrong count or a text that is not a
    // finite number is a usage CliError; a value outside its context is clamped, with a note on err.
    static std::vector<double> values(const CRuleBase& unit, const std::vector<std::string>& texts, std::ostream& err);
};

}  // namespace zorv::cli
