#pragma once

#include <array>
#include <streambuf>

namespace zorv {

// An output stream buffer over an open POSIX file descriptor (which it does not own). A failed write sets
// the stream's badbit through the usual streambuf protocol and keeps the errno of the failure.
class FileDescriptorBuffer : public std::streambuf {
public:
    explicit FileDescriptorBuffer(int fd);
    ~FileDescriptorBuffer() override;
    FileDescriptorBuffer(const FileDescriptorBuffer&) = delete;
    FileDescriptorBuffer& operator=(const FileDescriptorBuffer&) = delete;

    // The errno of the first failed write, 0 when every write succeeded.
    int error() const { return error_; }

protected:
    int_type overflow(int_type c) override;
    int sync() override;

private:
    // Writes out the buffered bytes; false on failure.
    bool drain();

    int fd_;
    int error_ = 0;
    std::array<char, 64 * 1024> buffer_{};
};

}  // namespace zorv
