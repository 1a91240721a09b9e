#pragma once

#include <string>

namespace zorv {

// Locale-independent number texts with "." as the decimal mark, matching the C conversions
// "%g" and "%.<decimals>f" in the "C" locale whatever locale the process has set.
class NumberText {
public:
    // Like "%g": at most six significant digits, trailing zeros dropped.
    static std::string general(double value);
    // Like "%.<decimals>f".
    static std::string fixed(double value, int decimals);
    static std::string integer(long long value);
    // An interval as messages show it: "<low, high>" with both ends like "%g".
    static std::string interval(double low, double high);
};

}  // namespace zorv
