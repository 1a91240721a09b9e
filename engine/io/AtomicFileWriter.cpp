#include "io/AtomicFileWriter.h"

#include <cerrno>
#include <cstring>
#include <random>
#include <string>

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

[[noreturn]] void Fail(const fs::path& path, const std::string& reason) {
    throw EWrite("cannot write " + path.string() + ": " + reason);
}

[[noreturn]] void FailErrno(const fs::path& path, int error) { Fail(path, std::strerror(error)); }

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

// The file a path stands for: the end of a chain of symbolic links (which stay as they are).
fs::path Resolved(const fs::path& path) {
    std::error_code error;
    if (!fs::is_symlink(path, error)) return path;
    const fs::path target = fs::weakly_canonical(path, error);
    return error ? path : target;
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
    const fs::path directory = target.has_parent_path() ? target.parent_path() : fs::path(".");
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
    const fs::path directory = target.has_parent_path() ? target.parent_path() : fs::path(".");
    const int fd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;  // the file is in place; a directory that cannot be synced is no reason to fail
    ::fsync(fd);
    ::close(fd);
}

// Writes the temporary file whole and puts it in place of target; the temporary is gone on failure.
void Replace(const fs::path& path, const fs::path& target, const struct stat* previous,
             const std::function<void(std::ostream&)>& body) {
    fs::path temporary;
    Descriptor fd(CreateTemporary(target, temporary));
    if (fd.get() < 0) FailErrno(path, errno);
    int error = 0;
    try {
        if (previous != nullptr) {
            // Owner first: changing it may clear the set-id bits that the mode then restores.
            if (::fchown(fd.get(), previous->st_uid, previous->st_gid) != 0) {
                (void)::fchown(fd.get(), static_cast<uid_t>(-1), previous->st_gid);
            }
            (void)::fchmod(fd.get(), previous->st_mode & 07777);
        }
        error = WriteThrough(fd.get(), body);
        if (error == 0 && ::fsync(fd.get()) != 0) error = errno;
        if (const int closed = fd.close(); error == 0) error = closed;
        if (error == 0 && ::rename(temporary.c_str(), target.c_str()) != 0) error = errno;
    } catch (...) {
        fd.close();
        ::unlink(temporary.c_str());
        throw;
    }
    if (error != 0) {
        ::unlink(temporary.c_str());
        FailErrno(path, error);
    }
    SyncDirectory(target);
}

}  // namespace

void AtomicFileWriter::write(const fs::path& path, const std::function<void(std::ostream&)>& body) {
    if (path.empty() || !path.has_filename()) Fail(path, "no file name");
    const fs::path target = Resolved(path);
    struct stat status {};
    if (::stat(target.c_str(), &status) != 0) {
        if (errno != ENOENT) FailErrno(path, errno);
        Replace(path, target, nullptr, body);
        return;
    }
    if (S_ISDIR(status.st_mode)) Fail(path, "it is a directory");
    if (!S_ISREG(status.st_mode)) {
        WriteSpecial(path, target, body);
        return;
    }
    // Replacing a file takes only a writable directory; a file its owner made read-only is kept (also for
    // the superuser, whom access() would let through).
    if ((status.st_mode & 0222) == 0) Fail(path, "the file is read-only");
    if (::access(target.c_str(), W_OK) != 0) FailErrno(path, errno);
    Replace(path, target, &status, body);
}

void AtomicFileWriter::write(const fs::path& path, std::string_view content) {
    write(path, [content](std::ostream& out) {
        out.write(content.data(), static_cast<std::streamsize>(content.size()));
    });
}

}  // namespace zorv
