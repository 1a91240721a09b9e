#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zorv {

// The file formats of other fuzzy tools this system reads and writes, and stand-alone C.
enum class InterchangeFormat { Fis, Fcl, Fll, C };

class InterchangeFormats {
public:
    // "fis", "fcl", "fll", "c" (any case); none for another name.
    static std::optional<InterchangeFormat> FromName(std::string_view name);
    // The format of a path's extension (".fis", ".fcl", ".fll", ".c"); none for another extension.
    static std::optional<InterchangeFormat> FromPath(std::string_view path);
    static std::string_view Name(InterchangeFormat format);       // "fis", ...
    static std::string_view Extension(InterchangeFormat format);  // ".fis", ...
};

}  // namespace zorv
