#pragma once

#include <string>
#include <string_view>

namespace zorv {

// Replaces a file's content as one step: the content goes to a new temporary file beside the target, which is
// renamed over the target only once it is completely written and closed. On any failure the temporary file is
// removed, the target keeps its previous content, and EWrite is thrown.
class CSafeFileWriter {
public:
    static void Replace(const std::string& path, std::string_view content);
};

}  // namespace zorv
