#include "app/core/files/PathNames.h"

#include <filesystem>

namespace zorv {

std::string PathNames::fileName(const std::string& path) {
    return std::filesystem::path(path).filename().string();
}

std::string PathNames::unitName(const std::string& path) {
    return std::filesystem::path(path).stem().string();
}

std::string PathNames::directory(const std::string& path) {
    return std::filesystem::path(path).parent_path().string();
}

}  // namespace zorv
