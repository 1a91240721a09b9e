#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace zorv {

// Numbers as rule base files hold them, independent of the locale.
class CFileNumber {
public:
    // A number read from the start of a text: its value and the number of characters it took.
    struct Scanned {
        double value = 0.0;
        std::size_t length = 0;
    };

    // The "%g" text of value when it reads back to the same double, otherwise the shortest text that does
    // ("1e+06", "0.5", "1234567", "0.16666666666666666").
    static std::string Format(double value);

    // A real number at the start of text ("12", "-3.5", "+.5", "1e-3", "inf", "nan"). A value too large for a
    // double reads as an infinity, one too small as zero. None when text does not start with a number.
    static std::optional<Scanned> Scan(std::string_view text);

    // A decimal integer in the manner of atol: leading white space, an optional sign and digits; 0 when no
    // digit follows. Values beyond the range of long long are clamped to it.
    static long long ScanInteger(std::string_view text);
};

}  // namespace zorv
