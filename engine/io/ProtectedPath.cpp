#include "io/ProtectedPath.h"

#include <cerrno>
#include <cstring>
#include <deque>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "io/EWrite.h"

namespace zorv {

namespace fs = std::filesystem;

namespace {

// As the system's own limit on the links one path may pass through.
constexpr int kMaxLinksFollowed = 40;

[[noreturn]] void Fail(const fs::path& path, const std::string& reason) {
    throw EWrite("cannot write " + path.string() + ": " + reason);
}

[[noreturn]] void FailErrno(const fs::path& path, int error) { Fail(path, std::strerror(error)); }

// The names of a path or a link's target, without empty ones and ".", which change nothing.
std::deque<std::string> Components(const std::string& text) {
    std::deque<std::string> names;
    for (std::size_t from = 0; from <= text.size();) {
        const std::size_t slash = std::min(text.find('/', from), text.size());
        std::string name = text.substr(from, slash - from);
        if (!name.empty() && name != ".") names.push_back(std::move(name));
        from = slash + 1;
    }
    return names;
}

// A directory, opened only as a place to look up names; a link under its name is not followed.
FileDescriptor OpenDirectory(int at, const char* name, const fs::path& path) {
    const int fd = ::openat(at, name, O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) FailErrno(path, errno);
    return FileDescriptor(fd);
}

class Walk {
public:
    explicit Walk(const fs::path& path)
        : path_(path),
          pending_(Components(path.string())),
          directory_(OpenDirectory(AT_FDCWD, path.is_absolute() ? "/" : ".", path)) {}

    ProtectedPath::Place Run() {
        for (;;) {
            if (pending_.empty()) Fail(path_, "it is a directory");
            std::string name = std::move(pending_.front());
            pending_.pop_front();
            struct stat status {};
            if (::fstatat(directory_.get(), name.c_str(), &status, AT_SYMLINK_NOFOLLOW) != 0) {
                const int error = errno;
                if (error == ENOENT && pending_.empty()) return {std::move(directory_), std::move(name)};
                FailErrno(path_, error);
            }
            if (S_ISLNK(status.st_mode)) {
                Follow(name, status);
            } else if (pending_.empty()) {
                return {std::move(directory_), std::move(name)};
            } else {
                directory_ = OpenDirectory(directory_.get(), name.c_str(), path_);
            }
        }
    }

private:
    // Goes on along the link's target: its names come before the rest of the path.
    void Follow(const std::string& name, const struct stat& link) {
        if (++followed_ > kMaxLinksFollowed) FailErrno(path_, ELOOP);
        RefuseForeign(link);
        const std::string target = Target(name);
        std::deque<std::string> names = Components(target);
        pending_.insert(pending_.begin(), names.begin(), names.end());
        if (target.front() == '/') directory_ = OpenDirectory(AT_FDCWD, "/", path_);
    }

    void RefuseForeign(const struct stat& link) const {
        struct stat directory {};
        if (::fstat(directory_.get(), &directory) != 0) FailErrno(path_, errno);
        const bool shared = (directory.st_mode & S_ISVTX) != 0 && (directory.st_mode & S_IWOTH) != 0;
        if (shared && link.st_uid != ::geteuid() && link.st_uid != directory.st_uid) {
            Fail(path_, pending_.empty() ? "it is a link that another user made in a shared folder"
                                         : "it passes through a link that another user made in a shared folder");
        }
    }

    std::string Target(const std::string& name) const {
        std::string target(256, '\0');
        for (;;) {
            const ssize_t length = ::readlinkat(directory_.get(), name.c_str(), target.data(), target.size());
            if (length < 0) FailErrno(path_, errno);
            if (length == 0) FailErrno(path_, ENOENT);
            if (static_cast<std::size_t>(length) < target.size()) {
                target.resize(static_cast<std::size_t>(length));
                return target;
            }
            target.resize(target.size() * 2);
        }
    }

    const fs::path& path_;
    std::deque<std::string> pending_;
    FileDescriptor directory_;
    int followed_ = 0;
};

}  // namespace

ProtectedPath::Place ProtectedPath::Resolve(const fs::path& path) { return Walk(path).Run(); }

}  // namespace zorv
