#include "text/TextExcerpt.h"

namespace zorv {

namespace {

// The length of the well-formed UTF-8 character at the start of text, or 0 when it is none.
std::size_t CharacterLength(std::string_view text) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80) return 1;
    std::size_t length = 0;
    char32_t code = 0;
    char32_t least = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2, code = lead & 0x1F, least = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, code = lead & 0x0F, least = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, code = lead & 0x07, least = 0x10000;
    } else {
        return 0;
    }
    if (text.size() < length) return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80) return 0;
        code = (code << 6) | (byte(i) & 0x3F);
    }
    const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
    return code < least || code > 0x10FFFF || surrogate ? 0 : length;
}

// C0 and C1 controls and DEL: a terminal may act on them.
bool IsControl(std::string_view character) {
    const auto lead = static_cast<unsigned char>(character[0]);
    if (character.size() == 1) return (lead < 0x20 && lead != '\t') || lead == 0x7F;
    return lead == 0xC2 && static_cast<unsigned char>(character[1]) < 0xA0;
}

}  // namespace

std::string TextExcerpt::of(std::string_view text, std::size_t maxBytes) {
    text = text.substr(0, text.find_first_of("\r\n"));
    std::string excerpt;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t length = CharacterLength(text.substr(at));
        const std::string_view character = text.substr(at, length == 0 ? 1 : length);
        const bool shown = length != 0 && !IsControl(character);
        if (excerpt.size() + (shown ? character.size() : 1) > maxBytes) return excerpt + "...";
        excerpt.append(shown ? character : std::string_view("?"));
        at += character.size();
    }
    return excerpt;
}

}  // namespace zorv
