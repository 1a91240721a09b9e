#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace zorv {

// Every conversion between numbers and text, independent of the process locale ("." is the decimal mark
// unless a reader says otherwise). Each format the program writes or reads has its named function here.
class NumberText {
public:
    // ---- Writing ----

    // The shortest text that reads back as exactly the same double ("0.1", "1e-07", "301", "-0"): every
    // number printed for machines.
    static std::string shortest(double value);
    // The same into [first, last) (at least kMaxShortest characters); returns the end of the text.
    static char* writeShortest(char* first, char* last, double value);
    static constexpr std::size_t kMaxShortest = 32;

    // As C's "%g": at most six significant digits, trailing zeros dropped ("3.5", "1e-05", "1.23457e+08").
    static std::string general(double value);
    // The number in a file: "%g" when that reads back as the same double, the shortest exact text otherwise
    // ("1e+06", "0.5", "1234567", "0.16666666666666666").
    static std::string file(double value);
    // As C's "%.<decimals>f" ("2.000000000000000000" for 18 decimals, "0.50" for 2).
    static std::string fixed(double value, int decimals);
    static std::string integer(long long value);
    // An interval as messages show it: "<low, high>" with both ends as general() writes them.
    static std::string interval(double low, double high);

    // A value as the data table shows it: six decimals and "," between groups of three integer digits
    // ("1,234.500000").
    static std::string grouped(double value);
    // A computed result in the data table: rounded to three significant digits, then grouped().
    static std::string dataResult(double value);
    // A computed cell that must read back as a plain number: three significant digits, six decimals, no
    // groups, and "0.000000" rather than "-0.000000".
    static std::string dataCell(double value);
    // The value rounded to the given number of significant digits (1..17), correctly from its binary value.
    static double roundToSignificant(double value, int digits);

    // A number in a field of the workbench's dialogs: the shortest exact text, "0" for -0.
    static std::string field(double value);
    // A short number in the dialogs and charts: "%.3g" ("0.333", "1.23e+04"), "0" for -0.
    static std::string threeDigits(double value);
    // A number as the windows show it with two decimals ("0.35", "-12.00"); a value that rounds to zero
    // shows as "0.00", never "-0.00".
    static std::string twoDecimals(double value);

    // ---- Reading ----

    // A number at the start of a text and the number of characters it took.
    struct Scanned {
        double value = 0.0;
        std::size_t length = 0;
    };

    // A decimal number at the start of a text: optional sign, digits with an optional point and exponent
    // ("12", "-3.5", "+.5", "1e-3"). Infinite, NaN, hexadecimal and out-of-range values are not numbers.
    static std::optional<Scanned> readPrefix(std::string_view text);
    // A real number at the start of a line of a rule base file, read as C's strtod would: "inf" and "nan" are
    // numbers, a value too large for a double reads as an infinity, one too small as zero.
    static std::optional<Scanned> scanFile(std::string_view text);
    // A decimal integer in the manner of atol: leading white space, an optional sign and digits; 0 when no
    // digit follows. Values beyond the range of long long are clamped to it.
    static long long scanInteger(std::string_view text);

    // The whole text as a finite number (readPrefix taking every character); nothing otherwise.
    static std::optional<double> parseReal(std::string_view text);
    // The whole text as a decimal integer with an optional sign; nothing otherwise or on overflow.
    static std::optional<long long> parseInteger(std::string_view text);
    // A number standing alone in a dialog field or a rule cell: parseReal of the text without blanks around
    // it, -0 read as 0.
    static std::optional<double> parseField(std::string_view text);
    // A dialog field holding an int: parseInteger of the text without blanks around it, within int range.
    static std::optional<int> parseFieldInteger(std::string_view text);

    // A number as people type it into data files, data cells and command lines, and as the data table
    // writes it: white space around it ignored, "." or "," as the decimal mark, "," between digit groups when
    // a "." follows ("0,5", "+2.5e-3", "1,234.500000"). Several "," without ".", badly placed groups
    // ("12,34.5"), infinite and NaN values are not numbers.
    static std::optional<double> parseDecimal(std::string_view text);
    // The text without its group separators when it is a grouped number ("1,234.5" gives "1234.5"); any
    // other text unchanged.
    static std::string withoutGroups(std::string_view text);
    // Does a number, written as C's "%f" reads one (decimal form, "," or "." as the mark), begin the text
    // after its leading white space?
    static bool beginsWithNumber(std::string_view text);
};

}  // namespace zorv
