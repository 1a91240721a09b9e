#pragma once

#include <optional>
#include <string_view>

namespace zorv::cli {

// A crisp input value as typed on the command line or in a batch file: a finite decimal number with
// "." or "," as the decimal mark and an optional sign ("0.5", "0,5", "-3", "+1e-3").
// Nothing for other texts, for "nan" and "inf", and for values outside the range of double.
std::optional<double> parseInputNumber(std::string_view text);

// Is the argument an option ("--fired", "-o")? A negative number ("-5", "-.5", "-,5") and "-" alone
// are not.
bool looksLikeOption(std::string_view arg);

}  // namespace zorv::cli
