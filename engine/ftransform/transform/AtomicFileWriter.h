#pragma once

#include <filesystem>
#include <functional>
#include <ostream>

namespace zorv {

// Writes a text file so that a failure never leaves a half-written file behind: the content goes
// to a temporary file beside the target, which replaces the target only when the whole content
// was written and closed without error. On any failure the temporary file is removed, a previous
// target is left untouched and false is returned.
class AtomicFileWriter {
public:
    // body writes the content and returns false to abandon the write.
    static bool write(const std::filesystem::path& target, const std::function<bool(std::ostream&)>& body);
    // The temporary file used for a target.
    static std::filesystem::path temporaryFor(const std::filesystem::path& target);
};

}  // namespace zorv
