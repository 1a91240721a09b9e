#pragma once

#include <cstddef>
#include <istream>
#include <string>
#include <vector>

namespace zorv {

// Reads text lines from a stream without ever holding more than one bounded line.
// A line ends at a line feed, a carriage return or the pair of both; the end of the stream ends the
// last line (a final line break does not start another line). A byte-order mark at the start of the
// stream is skipped; every other byte is line content.
class BoundedLineReader {
public:
    enum class Status { kLine, kEnd, kTooLong, kReadError };

    static constexpr std::size_t kDefaultMaxLineBytes = std::size_t{1} << 20;

    explicit BoundedLineReader(std::istream& in, std::size_t maxLineBytes = kDefaultMaxLineBytes);

    // Reads the next line into `line` (without its line break). After kTooLong or kReadError the
    // reader stays there: nothing further is read.
    Status Next(std::string& line);

    // 1-based number of the line last returned, or of the line that was too long.
    long long LineNumber() const { return lineNumber_; }
    std::size_t MaxLineBytes() const { return maxLineBytes_; }
    // The bytes of the stream taken up by the lines returned so far.
    std::size_t BytesConsumed() const { return bytesRead_ - (size_ - pos_); }

private:
    bool Fill();
    bool TakeByte(char& c);
    // Counts a complete line (the first without a byte-order mark) and returns kLine.
    Status Finish(std::string& line);
    void SkipLineFeedAfterReturn();

    std::istream& in_;
    std::size_t maxLineBytes_;
    std::vector<char> buffer_;
    std::size_t pos_ = 0;
    std::size_t size_ = 0;
    std::size_t bytesRead_ = 0;
    long long lineNumber_ = 0;
    bool failed_ = false;
    Status stop_ = Status::kLine;
};

}  // namespace zorv
