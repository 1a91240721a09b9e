#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zorv {

// Number texts of the data table.
//
// Results are shown with six decimals, "." as the decimal mark and "," between groups of three
// integer digits: 1234.5 is "1,234.500000". Cells are read back accepting what people type and
// what the table writes itself:
//   "0.5", "0,5", "-3", "+2.5e-3", " 7 "     plain numbers, "." or "," as the decimal mark
//   "1,234.500000", "-12,345,678.25"         "," groups the integer digits when a "." follows
// A text with several "," and no ".", or with badly placed groups ("12,34.5"), is not a number;
// neither are "inf", "nan" and values outside the range of double.
class DataNumberFormat {
public:
    // The value rounded to three significant digits, shown with six decimals and digit groups.
    static std::string FormatResult(double value);
    // The value shown with six decimals and digit groups (not rounded further).
    static std::string FormatGrouped(double value);
    // The value rounded to the given number of significant digits (1..17).
    static double RoundToSignificant(double value, int digits);

    static std::optional<double> ParseCell(std::string_view text);

    // The text with the digit-group separators removed when it is a grouped number; any other text
    // is returned unchanged. "1,234.500000" gives "1234.500000"; "0,5" and "a,b" stay as they are.
    static std::string WithoutGroups(std::string_view text);

    // Does a number, written the way C's "%f" reads one (decimal form; "," or "." as the mark),
    // begin the text after its leading white space?
    static bool BeginsWithNumber(std::string_view text);
};

}  // namespace zorv
