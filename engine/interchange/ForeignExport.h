#pragma once

#include <optional>
#include <string>

#include "interchange/InterchangeFormat.h"

namespace zorv {

class CRuleBase;

// Export in one step: the text of a compiled rule base in FIS, FCL or FLL (see ForeignExporter), or the C
// files (see CGenerator). Throws EInterchange when the rule base cannot be expressed.
class ForeignExport {
public:
    static std::string ToText(const CRuleBase& unit, InterchangeFormat format);

    // Writes PATH.c and its header beside it (the same name ending in ".h"); prefix names PREFIX_evaluate, the
    // file's base name when empty. Neither file is replaced unless both can be written whole (EWrite); both
    // must be regular files or new. A path whose header cannot be included by name is refused (EInterchange).
    static void WriteC(const CRuleBase& unit, const std::string& path, const std::string& prefix);
    // Writes FIS, FCL or FLL text to path, whole or not at all (EWrite).
    static void WriteText(const CRuleBase& unit, InterchangeFormat format, const std::string& path);

    // The header path of a C path ("dir/name.c" -> "dir/name.h") and the default prefix ("name").
    static std::string HeaderPath(const std::string& path);
    // Why the source written to path could not include its header by name (#include "name.h"), or none.
    static std::optional<std::string> HeaderNameProblem(const std::string& path);
    static std::string DefaultPrefix(const std::string& path);
};

}  // namespace zorv
