#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace zorv {
class CRuleBase;
}

namespace zorv::cli {

// The inputs a command line names: input variables by name or by 1-based position, and crisp values of the
// inputs (the operands of eval, --at of surface and projection).
class InputChoice {
public:
    // How the note on a clamped value names the range: "lies outside <0, 30>" or "lies outside its context".
    enum class Range { interval, words };

    // The index of the input variable named `text`, or at that 1-based position when no input has that
    // name; a usage CliError for neither.
    static int variable(const CRuleBase& unit, const std::string& text);

    // One value per input variable (the caller checks the count), read by NumberText::parseDecimal ("." or
    // "," as the decimal mark). A text that is not a finite number is a usage CliError; a value outside its
    // context is clamped, with a note on err.
    static std::vector<double> read(const CRuleBase& unit, const std::vector<std::string>& texts, Range range,
                                    std::ostream& err);

    // The values of --at: none written gives the middle of every context, as the test window's sliders
    // start; otherwise read() of one value per input variable (a wrong count is a usage CliError).
    static std::vector<double> values(const CRuleBase& unit, const std::vector<std::string>& texts, std::ostream& err);
};

}  // namespace zorv::cli
