#pragma once

#include <filesystem>
#include <functional>
#include <ostream>
#include <span>
#include <string_view>

namespace zorv {

// Writes every file the program writes, so that neither a failure nor a crash at any moment destroys
// what was there: the content goes to a new file in the target's directory, is flushed and synced, and
// takes the target's place only when the whole content is on disk; the directory is synced afterwards.
// Where the file system allows, the new file has no name while it is written (O_TMPFILE) and is linked in
// when complete, so that a killed process leaves nothing behind; elsewhere it is a hidden, uniquely named
// file created exclusively beside the target (never following a link), renamed over it. A killed process
// leaves the old file or the new one whole (and, on the second kind of file system, at most a stray
// temporary file).
//
// The target keeps its permissions (and, where allowed, its owner). A symbolic link is written through:
// the file it points to is replaced (or made, when the link leads nowhere yet) and the link stays. A link
// that another user made in a shared folder (sticky and writable by all, as /tmp), as the target or as any
// directory on the way to it, is refused (ProtectedPath). A device or a FIFO is written directly, as it
// cannot be replaced by a regular file. A directory and a read-only file are refused.
//
// Every failure throws EWrite "cannot write PATH: REASON"; a regular target then keeps its content.
class AtomicFileWriter {
public:
    // Writes what body puts into the stream; an exception from body abandons the write and propagates.
    static void write(const std::filesystem::path& path, const std::function<void(std::ostream&)>& body);
    static void write(const std::filesystem::path& path, std::string_view content);

    struct File {
        std::filesystem::path path;
        std::string_view content;
    };
    // Writes files that belong together (a source and its header): every one is written whole beside its
    // target before any target is replaced, so that a failure leaves them all as they were. Each must be a
    // regular file or not exist yet.
    static void writeAll(std::span<const File> files);
};

}  // namespace zorv
