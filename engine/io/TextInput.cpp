#include "io/TextInput.h"

namespace zorv {

std::string_view TextInput::WithoutByteOrderMark(std::string_view text) {
    if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
    return text;
}

std::string TextInput::Normalised(std::string_view text) {
    text = WithoutByteOrderMark(text);
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c != '\n' && c != '\r') {
            out += c;
            continue;
        }
        out += '\n';
        const bool pair = i + 1 < text.size() && (text[i + 1] == '\n' || text[i + 1] == '\r') && text[i + 1] != c;
        if (pair) ++i;
    }
    return out;
}

}  // namespace zorv
