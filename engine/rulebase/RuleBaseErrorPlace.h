#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "fuzzy/expression/ESyntax.h"

namespace zorv {

// Where a fault of the rule base reader lies in the file. The reader reports the rest of the file from the
// fault on (line breaks read as line feeds), or from the rule expression holding the fault with the offset
// of the fault in it; this finds the line at fault, its number and the fault's offset in that line.
struct RuleBaseErrorPlace {
    std::string line;         // the line at fault, without its line break
    std::size_t number = 0;   // of the line, from 1
    std::size_t offset = 0;   // of the fault in the line, from 0

    // The place of error in file, the text the reader was given. None for a fault of the whole file (a
    // missing key, a file that is no rule base at all) and for a context that is not part of the file.
    static std::optional<RuleBaseErrorPlace> of(const ESyntax& error, std::string_view file);
};

}  // namespace zorv
