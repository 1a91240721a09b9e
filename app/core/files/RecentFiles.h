#pragma once

#include <optional>
#include <string>
#include <vector>

namespace zorv {

class RecentFilesStore;

// One item of the "Reopen" menu: the index of the stored value it stands for and the file name shown.
struct RecentEntry {
    int index = 0;
    std::string caption;

    bool operator==(const RecentEntry&) const = default;
};

// The list of recently opened rule base files, most recent first, kept in a settings store.
// Only the values "0" to "4" are ever read.
class RecentFiles {
public:
    static constexpr int kShown = 5;

    explicit RecentFiles(RecentFilesStore& store) : store_(store) {}

    // Puts path first; the earlier entries that differ from it (exact text) follow in their order.
    void enter(const std::string& path);
    // The items of the "Reopen" menu: every non-empty value among "0" to "4", captioned with its file name.
    std::vector<RecentEntry> entries() const;
    // The path stored under index, read again; none when it is missing or empty.
    std::optional<std::string> path(int index) const;

private:
    RecentFilesStore& store_;
};

}  // namespace zorv
