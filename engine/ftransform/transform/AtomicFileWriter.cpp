#include "ftransform/transform/AtomicFileWriter.h"

#include <fstream>
#include <system_error>

namespace zorv {

namespace {

bool writeTemporary(const std::filesystem::path& temporary, const std::function<bool(std::ostream&)>& body) {
    std::ofstream out(temporary, std::ios::out | std::ios::trunc);
    if (!out) {
        return false;
    }
    const bool written = body(out);
    out.close();
    return written && !out.fail();
}

}  // namespace

std::filesystem::path AtomicFileWriter::temporaryFor(const std::filesystem::path& target) {
    std::filesystem::path temporary = target;
    temporary += ".zorv-tmp";
    return temporary;
}

bool AtomicFileWriter::write(const std::filesystem::path& target, const std::function<bool(std::ostream&)>& body) {
    if (target.empty() || !target.has_filename()) {
        return false;
    }
    const std::filesystem::path temporary = temporaryFor(target);
    std::error_code error;
    if (!writeTemporary(temporary, body)) {
        std::filesystem::remove(temporary, error);
        return false;
    }
    std::filesystem::rename(temporary, target, error);
    if (error) {
        std::filesystem::remove(temporary, error);
        return false;
    }
    return true;
}

}  // namespace zorv
