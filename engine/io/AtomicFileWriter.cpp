#include "io/AtomicFileWriter.h"

#include <algorithm>
#include <memory>
#include <cerrno>
#include <cstring>
#include <optional>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "io/EWrite.h"
#include "io/FileDescriptor.h"
#include "io/FileDescriptorBuffer.h"
#include "io/ProtectedPath.h"

namespace zorv {

namespace fs = std::filesystem;

namespace {

// Keeps temporary names within the usual 255-byte limit of a file name.
constexpr std::size_t kMaxNameStem = 200;
constexpr int kNameAttempts = 64;

[[noreturn]] void Fail(const fs::path& path, const std::string& reason, int code = 0) {
    throw EWrite("cannot write " + path.string() + ": " + reason, code);
}

[[noreturn]] void FailErrno(const fs::path& path, int error) { Fail(path, std::strerror(error), error); }

// Runs body on a stream over fd; the errno of a failed write, else 0.
int WriteThrough(int fd, const std::function<void(std::ostream&)>& body) {
    FileDescriptorBuffer buffer(fd);
    std::ostream out(&buffer);
    body(out);
    out.flush();
    if (buffer.error() != 0) return buffer.error();
    return out ? 0 : EIO;
}

// What a path leads to: the directory and name of the file to replace and its status (none when it does not
// exist yet), or a device or FIFO to write in place. Directories and read-only files are refused.
struct Destination {
    ProtectedPath::Place place;
    std::optional<struct stat> previous;
    bool special = false;

    int directory() const { return place.directory.get(); }
    const char* name() const { return place.name.c_str(); }
};

Destination Examine(const fs::path& path) {
    if (path.empty()) throw EWrite("cannot write '': the file name is empty");
    if (!path.has_filename()) Fail(path, "no file name");
    Destination destination{ProtectedPath::Resolve(path), std::nullopt, false};
    struct stat status {};
    if (::fstatat(destination.directory(), destination.name(), &status, AT_SYMLINK_NOFOLLOW) != 0) {
        if (errno != ENOENT) FailErrno(path, errno);
        return destination;
    }
    if (S_ISDIR(status.st_mode)) Fail(path, "it is a directory", EISDIR);
    if (S_ISLNK(status.st_mode)) FailErrno(path, ELOOP);  // made since the path was resolved
    if (!S_ISREG(status.st_mode)) {
        destination.special = true;
        return destination;
    }
    // Replacing a file takes only a writable directory; a file its owner made read-only is kept (also for
    // the superuser, whom access() would let through).
    if ((status.st_mode & 0222) == 0) Fail(path, "the file is read-only", EACCES);
    if (::faccessat(destination.directory(), destination.name(), W_OK, 0) != 0) FailErrno(path, errno);
    destination.previous = status;
    return destination;
}

// A device or a FIFO: written in place, the only way to write one.
void WriteSpecial(const fs::path& path, const Destination& destination,
                  const std::function<void(std::ostream&)>& body) {
    FileDescriptor fd(
        ::openat(destination.directory(), destination.name(), O_WRONLY | O_NOCTTY | O_NOFOLLOW | O_CLOEXEC));
    if (!fd.valid()) FailErrno(path, errno);
    if (const int error = WriteThrough(fd.get(), body)) FailErrno(path, error);
    if (const int error = fd.close()) FailErrno(path, error);
}

// The name of a hidden file beside the target: ".NAME.XXXXXXXX".
class TemporaryNames {
public:
    explicit TemporaryNames(const std::string& target) : stem_(1, '.'), random_(std::random_device{}()) {
        stem_.append(target, 0, kMaxNameStem).push_back('.');
    }

    std::string next() {
        static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
        std::string name = stem_;
        for (int i = 0; i < 8; ++i) name += kLetters[random_() % (sizeof kLetters - 1)];
        return name;
    }

private:
    std::string stem_;
    std::mt19937_64 random_;
};

// The new content on its way to the target. Where the file system allows, the file has no name until it is
// complete (O_TMPFILE), so that a process killed while writing leaves nothing behind; elsewhere it is a
// hidden file with a unique name beside the target, created exclusively, which a failure removes.
class StagedFile {
public:
    StagedFile(const fs::path& path, const Destination& destination) : path_(path), destination_(destination) {
        if (::access("/proc/self/fd", X_OK) == 0) {
            fd_ = FileDescriptor(::openat(destination.directory(), ".", O_TMPFILE | O_RDWR | O_CLOEXEC, 0666));
        }
        if (!fd_.valid()) createNamed();
    }
    ~StagedFile() { discard(); }
    StagedFile(const StagedFile&) = delete;
    StagedFile& operator=(const StagedFile&) = delete;

    // Writes the content with the previous file's owner and mode, and syncs it.
    void write(const std::function<void(std::ostream&)>& body) {
        if (const auto& previous = destination_.previous) {
            // Owner first: changing it may clear the set-id bits that the mode then restores.
            if (::fchown(fd_.get(), previous->st_uid, previous->st_gid) != 0) {
                (void)::fchown(fd_.get(), static_cast<uid_t>(-1), previous->st_gid);
            }
            (void)::fchmod(fd_.get(), previous->st_mode & 07777);
        }
        int error = WriteThrough(fd_.get(), body);
        if (error == 0 && ::fsync(fd_.get()) != 0) error = errno;
        if (error != 0) FailErrno(path_, error);
    }

    // Puts the file in place of the target and syncs the directory.
    void commit() {
        if (name_.empty()) {
            // A new target gets the file's name directly; an existing one is replaced by renaming over it.
            if (!destination_.previous && link(destination_.place.name) == 0) {
                fd_.close();
                syncDirectory();
                return;
            }
            nameUnnamed();
        }
        if (::renameat(destination_.directory(), name_.c_str(), destination_.directory(), destination_.name()) != 0) {
            FailErrno(path_, errno);
        }
        name_.clear();
        fd_.close();
        syncDirectory();
    }

private:
    void createNamed() {
        TemporaryNames names(destination_.place.name);
        for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
            name_ = names.next();
            fd_ = FileDescriptor(::openat(destination_.directory(), name_.c_str(),
                                          O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
            if (fd_.valid()) return;
            if (errno != EEXIST) break;
        }
        const int error = errno;
        name_.clear();
        FailErrno(path_, error);
    }

    // Gives the unnamed file a name; the errno of a failure, else 0.
    int link(const std::string& name) const {
        const std::string self = "/proc/self/fd/" + std::to_string(fd_.get());
        if (::linkat(AT_FDCWD, self.c_str(), destination_.directory(), name.c_str(), AT_SYMLINK_FOLLOW) == 0) return 0;
        return errno;
    }

    // A unique name for the complete unnamed file, or, where it cannot be linked, a named copy of it.
    void nameUnnamed() {
        TemporaryNames names(destination_.place.name);
        for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
            const std::string name = names.next();
            const int error = link(name);
            if (error == 0) {
                name_ = name;
                return;
            }
            if (error != EEXIST) break;
        }
        copyToNamed();
    }

    void copyToNamed() {
        FileDescriptor unnamed = std::move(fd_);
        createNamed();
        if (const auto& previous = destination_.previous) {
            (void)::fchown(fd_.get(), previous->st_uid, previous->st_gid);
            (void)::fchmod(fd_.get(), previous->st_mode & 07777);
        }
        std::vector<char> block(1 << 16);
        for (off_t at = 0;;) {
            const ssize_t got = ::pread(unnamed.get(), block.data(), block.size(), at);
            if (got < 0) FailErrno(path_, errno);
            if (got == 0) break;
            for (ssize_t done = 0; done < got;) {
                const ssize_t put = ::write(fd_.get(), block.data() + done, static_cast<std::size_t>(got - done));
                if (put < 0) FailErrno(path_, errno);
                done += put;
            }
            at += got;
        }
        if (::fsync(fd_.get()) != 0) FailErrno(path_, errno);
    }

    void syncDirectory() const {
        FileDescriptor directory(::openat(destination_.directory(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        // The file is in place; a directory that cannot be synced is no reason to fail.
        if (directory.valid()) ::fsync(directory.get());
    }

    void discard() {
        fd_.close();
        if (!name_.empty()) ::unlinkat(destination_.directory(), name_.c_str(), 0);
        name_.clear();
    }

    const fs::path& path_;
    const Destination& destination_;
    FileDescriptor fd_;
    std::string name_;  // empty while the file has no name
};

std::function<void(std::ostream&)> Content(std::string_view content) {
    return [content](std::ostream& out) { out.write(content.data(), static_cast<std::streamsize>(content.size())); };
}

// Where a destination's file lives, to tell two paths to the same file apart.
struct Identity {
    dev_t device = 0;
    ino_t directory = 0;
    std::string name;
    bool operator==(const Identity&) const = default;
};

Identity IdentityOf(const fs::path& path, const Destination& destination) {
    struct stat directory {};
    if (::fstat(destination.directory(), &directory) != 0) FailErrno(path, errno);
    return {directory.st_dev, directory.st_ino, destination.place.name};
}

}  // namespace

void AtomicFileWriter::write(const fs::path& path, const std::function<void(std::ostream&)>& body) {
    const Destination destination = Examine(path);
    if (destination.special) {
        WriteSpecial(path, destination, body);
        return;
    }
    StagedFile staged(path, destination);
    staged.write(body);
    staged.commit();
}

void AtomicFileWriter::write(const fs::path& path, std::string_view content) { write(path, Content(content)); }

void AtomicFileWriter::writeAll(std::span<const File> files) {
    std::vector<Destination> destinations;
    std::vector<Identity> identities;
    for (const File& file : files) {
        destinations.push_back(Examine(file.path));
        if (destinations.back().special) Fail(file.path, "it is no regular file, and is written together with others");
        identities.push_back(IdentityOf(file.path, destinations.back()));
        if (std::count(identities.begin(), identities.end(), identities.back()) > 1) {
            Fail(file.path, "it is written twice");
        }
    }
    std::vector<std::unique_ptr<StagedFile>> staged;
    for (std::size_t i = 0; i < files.size(); ++i) {
        staged.push_back(std::make_unique<StagedFile>(files[i].path, destinations[i]));
        staged.back()->write(Content(files[i].content));
    }
    for (std::size_t i = 0; i < files.size(); ++i) staged[i]->commit();
}

}  // namespace zorv
