#pragma once

#include <optional>
#include <string>

namespace zorv {

// One parameter cell of the term grid: the text shown (three significant digits for computed values) and,
// while that text is unchanged, the exact value behind it, so that confirming the grid does not round the
// terms it did not touch.
struct UserTermValue {
    std::string text;
    std::optional<double> exact;

    static UserTermValue Of(double value);
    // The cell's number: the exact value while the text still shows it, else the text read as a number.
    std::optional<double> number() const;
    bool empty() const { return text.empty(); }

    bool operator==(const UserTermValue&) const = default;
};

}  // namespace zorv
