#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zorv::cli {

// The shortest decimal text that reads back to exactly the same double ("0.1", "1e-07", "301").
std::string shortestText(double value);

// A finite real number written in the whole text (decimal or exponent form, optional sign);
// nothing for other texts, for "nan" and "inf", and for values out of the double range.
std::optional<double> parseReal(std::string_view text);

// A decimal integer written in the whole text (optional sign); nothing for other texts or overflow.
std::optional<std::int64_t> parseInteger(std::string_view text);

}  // namespace zorv::cli
