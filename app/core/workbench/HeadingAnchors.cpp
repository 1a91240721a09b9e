#include "app/core/workbench/HeadingAnchors.h"

namespace zorv {
namespace {

std::string anchorOf(std::string_view heading) {
    std::string anchor;
    for (const char c : heading) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 'A' && byte <= 'Z') {
            anchor += static_cast<char>(byte - 'A' + 'a');
        } else if ((byte >= 'a' && byte <= 'z') || (byte >= '0' && byte <= '9') || c == '-' || c == '_') {
            anchor += c;
        } else if (c == ' ') {
            anchor += '-';
        }
    }
    return anchor;
}

}  // namespace

std::string HeadingAnchors::next(std::string_view heading) {
    std::string anchor = anchorOf(heading);
    const int repeats = seen_[anchor]++;
    return repeats == 0 ? anchor : anchor + '-' + std::to_string(repeats);
}

}  // namespace zorv
