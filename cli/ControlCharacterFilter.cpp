#include "cli/ControlCharacterFilter.h"

#include <algorithm>
#include <array>

namespace zorv::cli {

ControlCharacterFilter::ControlCharacterFilter(std::ostream& stream) : stream_(stream), target_(stream.rdbuf()) {
    stream_.rdbuf(this);
}

ControlCharacterFilter::~ControlCharacterFilter() {
    stream_.rdbuf(target_);
    target_->pubsync();
}

char ControlCharacterFilter::shown(char c) {
    const auto byte = static_cast<unsigned char>(c);
    const bool control = (byte < 0x20 && c != '\n' && c != '\r' && c != '\t') || byte == 0x7F;
    return control ? '?' : c;
}

ControlCharacterFilter::int_type ControlCharacterFilter::overflow(int_type c) {
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    return target_->sputc(shown(traits_type::to_char_type(c)));
}

std::streamsize ControlCharacterFilter::xsputn(const char* text, std::streamsize count) {
    std::array<char, 4096> piece;
    std::streamsize written = 0;
    while (written < count) {
        const auto length = std::min<std::streamsize>(count - written, static_cast<std::streamsize>(piece.size()));
        std::transform(text + written, text + written + length, piece.begin(), shown);
        const std::streamsize put = target_->sputn(piece.data(), length);
        written += put;
        if (put < length) break;
    }
    return written;
}

int ControlCharacterFilter::sync() { return target_->pubsync(); }

}  // namespace zorv::cli
