#include "io/AtomicFileWriter.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "io/EWrite.h"
#include "io/FileDescriptorBuffer.h"

namespace zorv {

namespace fs = std::filesystem;

namespace {

// Keeps temporary names within the usual 255-byte limit of a file name.
constexpr std::size_t kMaxNameStem = 200;
constexpr int kNameAttempts = 64;
// As the system's own limit on the links one path may pass through.
constexpr int kMaxLinksFollowed = 40;

[[noreturn]] void Fail(const fs::path& path, const std::string& reason, int code = 0) {
    throw EWrite("cannot write " + path.string() + ": " + reason, code);
}

[[noreturn]] void FailErrno(const fs::path& path, int error) { Fail(path, std::strerror(error), error); }

// A descriptor closed when it goes out of scope.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int get() const { return fd_; }
    // Closes now; the errno of a failed close, else 0.
    int close() {
        const int result = ::close(fd_);
        fd_ = -1;
        return result == 0 ? 0 : errno;
    }

private:
    int fd_;
};

fs::path DirectoryOf(const fs::path& path) { return path.has_parent_path() ? path.parent_path() : fs::path("."); }

// A link that another user put in a shared directory (sticky and writable by all, as /tmp) would let that
// user choose the file to be replaced. The system's own rule for opening a path refuses such a link unless
// it belongs to the directory's owner or to the one who follows it; the links this writer follows itself
// keep that rule.
void RefuseForeignLink(const fs::path& path, const fs::path& link, const struct stat& status) {
    struct stat directory {};
    if (::stat(DirectoryOf(link).c_str(), &directory) == 0 && (directory.st_mode & S_ISVTX) != 0 &&
        (directory.st_mode & S_IWOTH) != 0 && status.st_uid != ::geteuid() && status.st_uid != directory.st_uid) {
        Fail(path, "it is a link that another user made in a shared folder");
    }
}

// The file a path stands for: the end of its chain of symbolic links (which stay as they are), also when
// that file does not exist yet.
fs::path Resolved(const fs::path& path) {
    fs::path current = path;
    for (int hop = 0; hop < kMaxLinksFollowed; ++hop) {
        struct stat status {};
        if (::lstat(current.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) return current;
        RefuseForeignLink(path, current, status);
        std::error_code error;
        const fs::path next = fs::read_symlink(current, error);
        if (error) FailErrno(path, error.value());
        current = next.is_absolute() ? next : DirectoryOf(current) / next;
    }
    FailErrno(path, ELOOP);
}

// Runs body on a stream over fd; the errno of a failed write, else 0.
int WriteThrough(int fd, const std::function<void(std::ostream&)>& body) {
    FileDescriptorBuffer buffer(fd);
    std::ostream out(&buffer);
    body(out);
    out.flush();
    if (buffer.error() != 0) return buffer.error();
    return out ? 0 : EIO;
}

// A device or a FIFO: written in place, the only way to write one.
void WriteSpecial(const fs::path& path, const fs::path& target, const std::function<void(std::ostream&)>& body) {
    Descriptor fd(::open(target.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC));
    if (fd.get() < 0) FailErrno(path, errno);
    if (const int error = WriteThrough(fd.get(), body)) FailErrno(path, error);
    if (const int error = fd.close()) FailErrno(path, error);
}

// Creates a new file beside target, exclusively and without following a link planted under its name. The
// mode 0666 is narrowed by the umask, as for any new file.
int CreateTemporary(const fs::path& target, fs::path& temporary) {
    const fs::path directory = DirectoryOf(target);
    std::string stem(1, '.');
    stem.append(target.filename().string().substr(0, kMaxNameStem)).push_back('.');
    std::random_device seed;
    std::mt19937_64 random(seed());
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        std::string name = stem;
        for (int i = 0; i < 8; ++i) name += kLetters[random() % (sizeof kLetters - 1)];
        temporary = directory / name;
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

void SyncDirectory(const fs::path& target) {
    const fs::path directory = DirectoryOf(target);
    const int fd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;  // the file is in place; a directory that cannot be synced is no reason to fail
    ::fsync(fd);
    ::close(fd);
}

// What a path leads to: the file to replace and its status (none when it does not exist yet), or a device
// or FIFO to write in place. Directories and read-only files are refused.
struct Destination {
    fs::path target;
    std::optional<struct stat> previous;
    bool special = false;
};

Destination Examine(const fs::path& path) {
    if (path.empty()) throw EWrite("cannot write '': the file name is empty");
    if (!path.has_filename()) Fail(path, "no file name");
    Destination destination{Resolved(path), std::nullopt, false};
    struct stat status {};
    if (::stat(destination.target.c_str(), &status) != 0) {
        if (errno != ENOENT) FailErrno(path, errno);
        return destination;
    }
    if (S_ISDIR(status.st_mode)) Fail(path, "it is a directory", EISDIR);
    if (!S_ISREG(status.st_mode)) {
        destination.special = true;
        return destination;
    }
    // Replacing a file takes only a writable directory; a file its owner made read-only is kept (also for
    // the superuser, whom access() would let through).
    if ((status.st_mode & 0222) == 0) Fail(path, "the file is read-only", EACCES);
    if (::access(destination.target.c_str(), W_OK) != 0) FailErrno(path, errno);
    destination.previous = status;
    return destination;
}

// The temporary file beside the destination, written whole and synced, not yet in place; removed on failure.
fs::path Stage(const fs::path& path, const Destination& destination, const std::function<void(std::ostream&)>& body) {
    fs::path temporary;
    Descriptor fd(CreateTemporary(destination.target, temporary));
    if (fd.get() < 0) FailErrno(path, errno);
    int error = 0;
    try {
        if (const auto& previous = destination.previous) {
            // Owner first: changing it may clear the set-id bits that the mode then restores.
            if (::fchown(fd.get(), previous->st_uid, previous->st_gid) != 0) {
                (void)::fchown(fd.get(), static_cast<uid_t>(-1), previous->st_gid);
            }
            (void)::fchmod(fd.get(), previous->st_mode & 07777);
        }
        error = WriteThrough(fd.get(), body);
        if (error == 0 && ::fsync(fd.get()) != 0) error = errno;
        if (const int closed = fd.close(); error == 0) error = closed;
    } catch (...) {
        fd.close();
        ::unlink(temporary.c_str());
        throw;
    }
    if (error != 0) {
        ::unlink(temporary.c_str());
        FailErrno(path, error);
    }
    return temporary;
}

// Puts a staged temporary file in place of the destination; the temporary is gone on failure.
void Commit(const fs::path& path, const fs::path& temporary, const Destination& destination) {
    if (::rename(temporary.c_str(), destination.target.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        FailErrno(path, error);
    }
    SyncDirectory(destination.target);
}

std::function<void(std::ostream&)> Content(std::string_view content) {
    return [content](std::ostream& out) { out.write(content.data(), static_cast<std::streamsize>(content.size())); };
}

}  // namespace

void AtomicFileWriter::write(const fs::path& path, const std::function<void(std::ostream&)>& body) {
    const Destination destination = Examine(path);
    if (destination.special) {
        WriteSpecial(path, destination.target, body);
        return;
    }
    Commit(path, Stage(path, destination, body), destination);
}

void AtomicFileWriter::write(const fs::path& path, std::string_view content) { write(path, Content(content)); }

void AtomicFileWriter::writeAll(std::span<const File> files) {
    std::vector<Destination> destinations;
    std::vector<fs::path> targets;
    for (const File& file : files) {
        destinations.push_back(Examine(file.path));
        if (destinations.back().special) Fail(file.path, "it is no regular file, and is written together with others");
        std::error_code error;
        const fs::path target = fs::weakly_canonical(destinations.back().target, error);
        targets.push_back(error ? destinations.back().target : target);
        if (std::count(targets.begin(), targets.end(), targets.back()) > 1) Fail(file.path, "it is written twice");
    }
    std::vector<fs::path> staged;
    try {
        for (std::size_t i = 0; i < files.size(); ++i) {
            staged.push_back(Stage(files[i].path, destinations[i], Content(files[i].content)));
        }
    } catch (...) {
        for (const fs::path& temporary : staged) ::unlink(temporary.c_str());
        throw;
    }
    for (std::size_t i = 0; i < files.size(); ++i) Commit(files[i].path, staged[i], destinations[i]);
}

}  // namespace zorv
