#pragma once

#include <string>

namespace zorv {

// Numbers as the windows show them in fixed notation with two decimals ("0.35", "-12.00"), with "." as the
// decimal mark whatever the locale. A value that rounds to zero shows as "0.00", never "-0.00".
class FixedText {
public:
    static std::string TwoDecimals(double value);
};

}  // namespace zorv
