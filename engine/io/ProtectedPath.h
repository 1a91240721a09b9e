#pragma once

#include <filesystem>
#include <string>

#include "io/FileDescriptor.h"

namespace zorv {

// Finds the file a path names for writing, component by component, as the system's path walk does, but
// with the rule for protected links applied to every link on the way, whatever the system's own setting:
// a link in a shared directory (sticky and writable by all, as /tmp) is followed only when it belongs to
// the one who follows it or to the directory's owner. Otherwise another user could plant a link, as the
// last component or as any directory on the way, and choose the file that is replaced.
//
// The result is the directory that holds the file, open (without following anything once it is open, so
// that renaming a directory on the way afterwards changes nothing), and the file's name in it. The file
// itself is not a link: a final link is followed too (it may lead to a file that does not exist yet).
class ProtectedPath {
public:
    struct Place {
        FileDescriptor directory;  // opened with O_PATH
        std::string name;
    };

    // Throws EWrite "cannot write PATH: REASON" when a component cannot be passed.
    static Place Resolve(const std::filesystem::path& path);
};

}  // namespace zorv
