#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zorv {

// The number format of data-table cells.
class DataCellNumber {
public:
    // Reads a cell as a number: blanks around it are ignored, a single "," or "." is the decimal
    // mark, a leading "+" or "-" and an exponent are accepted. An empty cell, any other character,
    // a second decimal mark, an out-of-range value, infinity or NaN cannot be read.
    static std::optional<double> read(std::string_view text);

    // The cell text of a computed value: rounded to three significant digits and shown with six
    // decimals ("3.140000", "1230.000000", "0.001230"), without digit grouping so that the text
    // reads back as the same number.
    static std::string format(double value);

    // value rounded to three significant digits (correctly rounded from its binary value).
    static double roundToThreeDigits(double value);
};

}  // namespace zorv
