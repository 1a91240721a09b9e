#pragma once

#include <array>
#include <string_view>

namespace zorv {

// The words of the evaluative linguistic expressions, in code order: atoms 0 small .. 3 zero and
// hedges 0 extremely .. 7 very roughly, each with its full name and its two-letter abbreviation.
// Negation (hedge 8) is written "not" or "no" and printed "no"; "about" (hedge 10) introduces a number.
struct CLingWords {
    static constexpr int kAtomCount = 4;
    static constexpr int kHedgeCount = 8;

    static constexpr std::array<std::string_view, kAtomCount> kAtomNames{"small", "medium", "big", "zero"};
    static constexpr std::array<std::string_view, kAtomCount> kAtomAbbreviations{"sm", "me", "bi", "ze"};
    static constexpr std::array<std::string_view, kHedgeCount> kHedgeNames{
        "extremely", "significantly", "very", "rather", "more or less", "roughly", "quite roughly", "very roughly"};
    static constexpr std::array<std::string_view, kHedgeCount> kHedgeAbbreviations{"ex", "si", "ve", "ra",
                                                                                   "ml", "ro", "qr", "vr"};
    static constexpr int kNegationCode = 8;
    static constexpr int kAboutCode = 10;

    // Full name of a hedge code ("no" for negation, "about" for 10, "" for none or an unknown code).
    static std::string_view hedgeName(int code) {
        if (code >= 0 && code < kHedgeCount) return kHedgeNames[static_cast<std::size_t>(code)];
        if (code == kNegationCode) return "no";
        if (code == kAboutCode) return "about";
        return {};
    }
    // Abbreviation of a hedge code ("no" for negation, "" for none or any other code).
    static std::string_view hedgeAbbreviation(int code) {
        if (code >= 0 && code < kHedgeCount) return kHedgeAbbreviations[static_cast<std::size_t>(code)];
        if (code == kNegationCode) return "no";
        return {};
    }
    // Full name of atom 0..3 ("" otherwise).
    static std::string_view atomName(int atom) {
        return atom >= 0 && atom < kAtomCount ? kAtomNames[static_cast<std::size_t>(atom)] : std::string_view{};
    }
    // Sign text of a printed term: "-", "+" or nothing.
    static std::string_view signText(int sign) { return sign < 0 ? "-" : sign > 0 ? "+" : ""; }
};

}  // namespace zorv
