#include "app/core/workbench/SettingsKeys.h"

#include <algorithm>

namespace zorv {

std::string SettingsKeys::slashed(std::string_view key) {
    std::string result(key);
    std::replace(result.begin(), result.end(), '\\', '/');
    return result;
}

std::string SettingsKeys::valueName(std::string_view caption) {
    std::string result;
    result.reserve(caption.size());
    for (const char c : caption) {
        switch (c) {
        case '%': result += "%25"; break;
        case '/': result += "%2F"; break;
        case '\\': result += "%5C"; break;
        default: result += c; break;
        }
    }
    return result;
}

}  // namespace zorv
