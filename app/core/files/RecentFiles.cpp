#include "app/core/files/RecentFiles.h"

#include "app/core/files/PathNames.h"
#include "app/core/files/RecentFilesStore.h"

namespace zorv {

void RecentFiles::enter(const std::string& path) {
    std::vector<std::string> list{path};
    for (int i = 0; i < kShown; ++i) {
        const auto value = store_.recentValue(i);
        if (value && !value->empty() && *value != path) {
            list.push_back(*value);
        }
    }
    store_.replaceRecent(list);
}

std::vector<RecentEntry> RecentFiles::entries() const {
    std::vector<RecentEntry> result;
    for (int i = 0; i < kShown; ++i) {
        if (const auto value = path(i)) {
            result.push_back({i, PathNames::fileName(*value)});
        }
    }
    return result;
}

std::optional<std::string> RecentFiles::path(int index) const {
    auto value = store_.recentValue(index);
    if (!value || value->empty()) {
        return std::nullopt;
    }
    return value;
}

}  // namespace zorv
