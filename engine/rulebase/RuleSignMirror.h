#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zorv {

class CSettings;

// "Invert sign (+/-)" on one cell of a variable whose context straddles zero: the text of the mirrored
// expression. A single expression t gives t without its leading "-", t with a leading "+" turned into "-",
// or "-" followed by t. A compound expression has the sign of every operand mirrored the same way, wherever
// the operand carries it ("+me and not -bi" gives "-me and not bi"); a linear form has every summand's sign
// mirrored ("2.5 + x1" gives "-2.5 - x1"). None when the new text does not pass the cell check, or when
// the vocabulary's context does not straddle zero.
class RuleSignMirror {
public:
    static bool applies(const CSettings& vocabulary);
    static std::optional<std::string> mirror(const CSettings& vocabulary, std::string_view text, int inputCount);

    // The text rules alone, without the check.
    static std::string mirrorExpression(const CSettings& vocabulary, std::string_view text);
    static std::string mirrorLinearForm(std::string_view text);

private:
    static std::string mirrorSingle(std::string_view text);
};

}  // namespace zorv
