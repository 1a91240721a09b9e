#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zorv {

// Number texts of the variable and term dialogs, with "." as the decimal mark whatever the locale.
// Fields are read whole (surrounding blanks allowed); infinite and NaN values are not numbers.
class TermNumberText {
public:
    static std::optional<double> ParseReal(std::string_view text);
    static std::optional<int> ParseInteger(std::string_view text);

    // The shortest text that reads back as the same double ("0.1", "-5.3", "1e+20").
    static std::string Exact(double value);
    // Three significant digits ("0.333", "12.5", "1.23e+04").
    static std::string ThreeDigits(double value);

    // What the dialogs say about a field that does not convert.
    static std::string RealError(std::string_view text);
    static std::string IntegerError(std::string_view text);

    static std::string_view Trimmed(std::string_view text);
};

}  // namespace zorv
