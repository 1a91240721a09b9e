#pragma once

#include <string>
#include <string_view>

namespace zorv {

// The keys the workbench keeps below the per-user root of the settings store, and the value names used
// there. A value name is a window caption, which may hold the store's own path separators; it is
// escaped so that every caption names exactly one value.
class SettingsKeys {
public:
    static constexpr std::string_view kRoot = "SOFTWARE\\ZorvWin";
    static constexpr std::string_view kRecentFiles = "SOFTWARE\\ZorvWin\\RecentFiles";
    static constexpr std::string_view kWindowAttributes = "SOFTWARE\\ZorvWin\\WindowAtributes";

    // The key path with "/" separators, as stores that nest groups by "/" want it.
    static std::string slashed(std::string_view key);
    // "%", "/" and "\" written as "%25", "%2F" and "%5C"; every other character as it is.
    static std::string valueName(std::string_view caption);
};

}  // namespace zorv
