#include "app/core/data/BoundedLineReader.h"

#include <algorithm>

#include "io/TextInput.h"

namespace zorv {

namespace {

constexpr std::size_t kChunkBytes = 64 * 1024;

}  // namespace

BoundedLineReader::BoundedLineReader(std::istream& in, std::size_t maxLineBytes)
    : in_(in), maxLineBytes_(maxLineBytes), buffer_(kChunkBytes) {}

// Refills the buffer; false at the end of the stream or on a read error (failed_ tells which).
bool BoundedLineReader::Fill() {
    if (!in_.good()) {
        failed_ = in_.bad();
        return false;
    }
    in_.read(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
    size_ = static_cast<std::size_t>(in_.gcount());
    pos_ = 0;
    bytesRead_ += size_;
    if (in_.bad()) {
        failed_ = true;
        return false;
    }
    return size_ > 0;
}

bool BoundedLineReader::TakeByte(char& c) {
    if (pos_ == size_ && !Fill()) {
        return false;
    }
    c = buffer_[pos_++];
    return true;
}

void BoundedLineReader::SkipLineFeedAfterReturn() {
    if (pos_ == size_ && !Fill()) {
        return;
    }
    if (buffer_[pos_] == '\n') {
        ++pos_;
    }
}

BoundedLineReader::Status BoundedLineReader::Finish(std::string& line) {
    if (++lineNumber_ == 1 && line.starts_with(TextInput::kByteOrderMark)) {
        line.erase(0, TextInput::kByteOrderMark.size());
    }
    return Status::kLine;
}

BoundedLineReader::Status BoundedLineReader::Next(std::string& line) {
    line.clear();
    if (stop_ != Status::kLine) {
        return stop_;
    }
    bool any = false;
    for (;;) {
        if (pos_ == size_ && !Fill()) {
            if (failed_) {
                return stop_ = Status::kReadError;
            }
            if (!any) {
                return stop_ = Status::kEnd;
            }
            return Finish(line);
        }
        any = true;
        // Take the rest of the buffered line at once.
        const char* begin = buffer_.data() + pos_;
        const char* end = buffer_.data() + size_;
        const char* brk = std::find_if(begin, end, [](char c) { return c == '\n' || c == '\r'; });
        const auto piece = static_cast<std::size_t>(brk - begin);
        if (line.size() + piece > maxLineBytes_) {
            ++lineNumber_;
            line.clear();
            return stop_ = Status::kTooLong;
        }
        line.append(begin, piece);
        pos_ += piece;
        if (brk != end) {
            ++pos_;
            if (*brk == '\r') {
                SkipLineFeedAfterReturn();
            }
            return Finish(line);
        }
    }
}

}  // namespace zorv
