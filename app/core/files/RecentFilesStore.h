#pragma once

#include <optional>
#include <string>
#include <vector>

namespace zorv {

// The values "0", "1", ... of the recent-files key of the settings store.
class RecentFilesStore {
public:
    virtual ~RecentFilesStore() = default;

    // The value named after index, none when the key has no such value.
    virtual std::optional<std::string> recentValue(int index) const = 0;
    // Deletes the key, creates it again and writes paths as the values "0", "1", ... in order.
    virtual void replaceRecent(const std::vector<std::string>& paths) = 0;
};

}  // namespace zorv
