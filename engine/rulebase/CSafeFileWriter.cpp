#include "rulebase/CSafeFileWriter.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>

#include "rulebase/EWrite.h"

namespace zorv {

namespace fs = std::filesystem;

namespace {

[[noreturn]] void Fail(const std::string& path, const std::string& reason) {
    throw EWrite("cannot write file " + path + ": " + reason);
}

// The file a path stands for: the target of a symbolic link, so that the link itself stays.
fs::path TargetOf(const std::string& path) {
    std::error_code error;
    fs::path target(path);
    if (fs::is_symlink(target, error)) {
        const fs::path resolved = fs::weakly_canonical(target, error);
        if (!error) return resolved;
    }
    return target;
}

// Creates a new file beside target (never one that exists) and returns it open for writing.
std::FILE* CreateTemporary(const fs::path& target, fs::path& temporary) {
    std::random_device seed;
    std::mt19937_64 random(seed());
    const fs::path directory = target.has_parent_path() ? target.parent_path() : fs::path(".");
    for (int attempt = 0; attempt < 32; ++attempt) {
        const std::string name = std::string(".").append(target.filename().string()).append(".tmp").append(
            std::to_string(random() % 1000000007u));
        temporary = directory / name;
        if (std::FILE* file = std::fopen(temporary.c_str(), "wbx")) return file;
        if (errno != EEXIST) return nullptr;
    }
    return nullptr;
}

}  // namespace

void CSafeFileWriter::Replace(const std::string& path, std::string_view content) {
    const fs::path target = TargetOf(path);
    std::error_code error;
    if (fs::is_directory(target, error)) Fail(path, "it is a directory");
    fs::path temporary;
    std::FILE* file = CreateTemporary(target, temporary);
    if (file == nullptr) Fail(path, std::strerror(errno));
    const bool written = std::fwrite(content.data(), 1, content.size(), file) == content.size() &&
                         std::fflush(file) == 0 && std::ferror(file) == 0;
    const int savedErrno = errno;
    const bool closed = std::fclose(file) == 0;
    if (!written || !closed) {
        fs::remove(temporary, error);
        Fail(path, std::strerror(written ? errno : savedErrno));
    }
    const auto status = fs::status(target, error);
    if (fs::exists(status)) fs::permissions(temporary, status.permissions(), error);
    fs::rename(temporary, target, error);
    if (error) {
        const std::string reason = error.message();
        fs::remove(temporary, error);
        Fail(path, reason);
    }
}

}  // namespace zorv
