#pragma once

#include <string>

namespace zorv {

// The parts of a file path that the workbench shows.
class PathNames {
public:
    // The name without its directory: "/data/heater.rb" gives "heater.rb".
    static std::string fileName(const std::string& path);
    // The name without directory and extension, as the unit name field shows it: "heater".
    static std::string unitName(const std::string& path);
    // The directory part, empty for a bare file name.
    static std::string directory(const std::string& path);
};

}  // namespace zorv
