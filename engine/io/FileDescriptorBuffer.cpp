#include "io/FileDescriptorBuffer.h"

#include <cerrno>

#include <unistd.h>

namespace zorv {

FileDescriptorBuffer::FileDescriptorBuffer(int fd) : fd_(fd) { setp(buffer_.data(), buffer_.data() + buffer_.size()); }

FileDescriptorBuffer::~FileDescriptorBuffer() = default;

bool FileDescriptorBuffer::drain() {
    const char* from = pbase();
    while (error_ == 0 && from < pptr()) {
        const ssize_t written = ::write(fd_, from, static_cast<std::size_t>(pptr() - from));
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) {
            error_ = written < 0 ? errno : EIO;
            break;
        }
        from += written;
    }
    setp(buffer_.data(), buffer_.data() + buffer_.size());
    return error_ == 0;
}

FileDescriptorBuffer::int_type FileDescriptorBuffer::overflow(int_type c) {
    if (!drain()) return traits_type::eof();
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
        *pptr() = traits_type::to_char_type(c);
        pbump(1);
    }
    return traits_type::not_eof(c);
}

int FileDescriptorBuffer::sync() { return drain() ? 0 : -1; }

}  // namespace zorv
