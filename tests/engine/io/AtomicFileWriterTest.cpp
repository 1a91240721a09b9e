#include "io/AtomicFileWriter.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "io/EWrite.h"
#include "tests/support/ScratchFolder.h"

namespace zorv {
namespace {

namespace fs = std::filesystem;
using test::fileText;
using test::ScratchFolder;

TEST(AtomicFileWriter, ReplacesAFileKeepingItsModeAndWritesThroughALink) {
    ScratchFolder folder;
    const fs::path file = folder.file("private.txt", "old");
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write);
    AtomicFileWriter::write(file, "new");
    EXPECT_EQ(fileText(file), "new");
    EXPECT_EQ(fs::status(file).permissions(), fs::perms::owner_read | fs::perms::owner_write);

    fs::create_symlink("private.txt", folder / "link.txt");
    AtomicFileWriter::write(folder / "link.txt", "through the link");
    EXPECT_TRUE(fs::is_symlink(folder / "link.txt"));
    EXPECT_EQ(fileText(file), "through the link");

    fs::create_symlink("made.txt", folder / "ahead.txt");  // a link to a file that does not exist yet
    AtomicFileWriter::write(folder / "ahead.txt", "made through the link");
    EXPECT_TRUE(fs::is_symlink(folder / "ahead.txt"));
    EXPECT_EQ(fileText(folder / "made.txt"), "made through the link");
    EXPECT_EQ(folder.entries(), (std::vector<std::string>{"ahead.txt", "link.txt", "made.txt", "private.txt"}));
}

TEST(AtomicFileWriter, RefusesWhatItMustNotReplace) {
    ScratchFolder folder;
    const fs::path readOnly = folder.file("read-only.txt", "kept");
    fs::permissions(readOnly, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    fs::create_directory(folder / "folder");
    struct Case {
        fs::path path;
        std::string reason;
    };
    for (const Case& c : {Case{readOnly, "the file is read-only"}, Case{folder / "folder", "it is a directory"},
                          Case{folder / "missing" / "x.txt", "No such file or directory"}}) {
        try {
            AtomicFileWriter::write(c.path, "new");
            ADD_FAILURE() << c.path << " was written";
        } catch (const EWrite& refused) {
            EXPECT_EQ(refused.what(), "cannot write " + c.path.string() + ": " + c.reason);
        }
    }
    EXPECT_EQ(fileText(readOnly), "kept");
    EXPECT_EQ(folder.entries(), (std::vector<std::string>{"folder", "read-only.txt"}));
}

// Another user's link in a folder like /tmp must not choose the file replaced; one's own link is followed.
TEST(AtomicFileWriter, RefusesALinkAnotherUserMadeInASharedFolder) {
    if (::geteuid() != 0) GTEST_SKIP() << "making a link of another user needs root";
    ScratchFolder folder;
    const fs::path victim = folder.file("victim.txt", "kept");
    const fs::path shared = folder / "shared";
    fs::create_directory(shared);
    fs::permissions(shared, fs::perms::all | fs::perms::sticky_bit);
    fs::create_symlink(victim, shared / "planted.txt");
    ASSERT_EQ(::lchown((shared / "planted.txt").c_str(), 65534, static_cast<gid_t>(-1)), 0);
    try {
        AtomicFileWriter::write(shared / "planted.txt", "new");
        ADD_FAILURE() << "the planted link was followed";
    } catch (const EWrite& refused) {
        EXPECT_EQ(refused.what(), "cannot write " + (shared / "planted.txt").string() +
                                      ": it is a link that another user made in a shared folder");
    }
    EXPECT_EQ(fileText(victim), "kept");

    fs::create_symlink(victim, shared / "own.txt");
    AtomicFileWriter::write(shared / "own.txt", "through my own link");
    EXPECT_EQ(fileText(victim), "through my own link");
}

// The same rule for a link that stands for a directory on the way: another user's shared/evil -> victim/
// must not let shared/evil/data.txt replace victim/data.txt, also when the link is reached through another.
TEST(AtomicFileWriter, RefusesAForeignLinkAsAnyDirectoryOfThePath) {
    if (::geteuid() != 0) GTEST_SKIP() << "making a link of another user needs root";
    ScratchFolder folder;
    fs::create_directory(folder / "victim");
    const fs::path victim = folder.file("victim/data.txt", "kept");
    const fs::path shared = folder / "shared";
    fs::create_directory(shared);
    fs::permissions(shared, fs::perms::all | fs::perms::sticky_bit);
    fs::create_directory_symlink(folder / "victim", shared / "evil");
    ASSERT_EQ(::lchown((shared / "evil").c_str(), 65534, static_cast<gid_t>(-1)), 0);
    fs::create_directory_symlink("shared/evil", folder / "mine");
    for (const fs::path& path : {shared / "evil" / "data.txt", folder / "mine" / "data.txt"}) {
        try {
            AtomicFileWriter::write(path, "new");
            ADD_FAILURE() << "the planted link was followed for " << path;
        } catch (const EWrite& refused) {
            EXPECT_EQ(refused.what(), "cannot write " + path.string() +
                                          ": it passes through a link that another user made in a shared folder");
        }
    }
    EXPECT_EQ(fileText(victim), "kept");

    fs::create_directory_symlink(folder / "victim", shared / "own");
    AtomicFileWriter::write(shared / "own" / "data.txt", "through my own link");
    EXPECT_EQ(fileText(victim), "through my own link");
}

TEST(AtomicFileWriter, AnAbandonedWriteLeavesThePreviousFile) {
    ScratchFolder folder;
    const fs::path file = folder.file("data.txt", "previous");
    EXPECT_THROW(AtomicFileWriter::write(file,
                                         [](std::ostream& out) {
                                             out << "half of it";
                                             throw std::runtime_error("abandoned");
                                         }),
                 std::runtime_error);
    EXPECT_EQ(fileText(file), "previous");
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"data.txt"});
}

// A source and its header: a failure on either leaves both as they were, and nothing is written beside a
// device.
TEST(AtomicFileWriter, FilesWrittenTogetherAreReplacedTogether) {
    ScratchFolder folder;
    const fs::path source = folder.file("unit.c", "old source");
    const fs::path header = folder.file("unit.h", "old header");
    fs::permissions(header, fs::perms::owner_read);
    using Files = std::vector<AtomicFileWriter::File>;
    EXPECT_THROW(AtomicFileWriter::writeAll(Files{{source, "new source"}, {header, "new header"}}), EWrite);
    EXPECT_EQ(fileText(source), "old source");
    EXPECT_THROW(AtomicFileWriter::writeAll(Files{{source, "new source"}, {"/dev/null", "header"}}), EWrite);
    EXPECT_THROW(AtomicFileWriter::writeAll(Files{{source, "once"}, {folder / "." / "unit.c", "twice"}}), EWrite);
    EXPECT_EQ(folder.entries(), (std::vector<std::string>{"unit.c", "unit.h"}));

    fs::permissions(header, fs::perms::owner_read | fs::perms::owner_write);
    AtomicFileWriter::writeAll(Files{{source, "new source"}, {header, "new header"}});
    EXPECT_EQ(fileText(source) + ", " + fileText(header), "new source, new header");
}

// Devices and FIFOs cannot be replaced by a regular file; they are written in place.
TEST(AtomicFileWriter, WritesDevicesAndFifosInPlace) {
    AtomicFileWriter::write("/dev/null", "nothing");
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
    EXPECT_THROW(AtomicFileWriter::write("/dev/full", "too much"), EWrite);

    ScratchFolder folder;
    const fs::path fifo = folder / "pipe";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::string received;
    std::thread reader([&] { received = fileText(fifo); });
    AtomicFileWriter::write(fifo, "through the pipe");
    reader.join();
    EXPECT_EQ(received, "through the pipe");
    EXPECT_TRUE(fs::is_fifo(fifo));
}

// A process killed in the middle of writing leaves the previous file and nothing else, where the file system
// lets the new file stay unnamed until it is complete.
TEST(AtomicFileWriter, AWriteKilledHalfwayLeavesNoTemporaryFile) {
    ScratchFolder folder;
    const fs::path file = folder.file("data.txt", "previous");
    const int unnamed = ::open(folder.root().c_str(), O_TMPFILE | O_WRONLY, 0600);
    if (unnamed < 0) GTEST_SKIP() << "the file system has no unnamed files";
    ::close(unnamed);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        AtomicFileWriter::write(file, [](std::ostream& out) {
            out << std::string(1 << 20, 'x') << std::flush;
            ::raise(SIGKILL);
        });
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(fileText(file), "previous");
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"data.txt"});
}

// A process killed while saving leaves the old file or the new one, each whole.
TEST(AtomicFileWriter, AKilledWriterLeavesAWholeFile) {
    ScratchFolder folder;
    const std::string first(256 * 1024, 'a');
    const std::string second(300 * 1024, 'b');
    const fs::path file = folder.file("data.txt", first);
    for (int round = 0; round < 8; ++round) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (int i = 0;; ++i) AtomicFileWriter::write(file, i % 2 == 0 ? second : first);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2 + 3 * round));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        const std::string content = fileText(file);
        EXPECT_TRUE(content == first || content == second) << "round " << round << ": " << content.size() << " bytes";
    }
}

}  // namespace
}  // namespace zorv
