#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zorv {

// Helpers shared by the format readers: the text as numbered lines (a line feed, a carriage return or either
// pair ends a line), trimming, words and numbers.
class TextLines {
public:
    struct Line {
        int number = 0;  // 1-based
        std::string text;
    };

    static std::vector<Line> Split(std::string_view text);

    static std::string_view Trim(std::string_view text);
    // The text split at blanks and tabs (empty words are dropped).
    static std::vector<std::string> Words(std::string_view text);
    // A whole text read as one finite number; none when it is not one.
    static std::optional<double> Number(std::string_view text);
    // Every word read as a finite number; none when one is not.
    static std::optional<std::vector<double>> Numbers(std::string_view text);
    // Lower case of ASCII letters.
    static std::string Lower(std::string_view text);
    // Whether a and b are equal ignoring the case of ASCII letters.
    static bool SameIgnoringCase(std::string_view a, std::string_view b);
};

}  // namespace zorv
