#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zorv {

// Whether a variable or term name can be written to a rulebase file and read back unchanged: names that are
// empty, begin or end with a blank, or hold a comma or a control character cannot.
class TermStorableName {
public:
    // The message explaining why the name cannot be stored; none when it can. noun names the kind of name
    // ("variable", "expression").
    static std::optional<std::string> Problem(std::string_view name, std::string_view noun);
};

}  // namespace zorv
