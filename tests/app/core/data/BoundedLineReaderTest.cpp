#include "app/core/data/BoundedLineReader.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace zorv {
namespace {

using Status = BoundedLineReader::Status;

std::vector<std::string> AllLines(const std::string& text, Status expectedEnd = Status::kEnd,
                                  std::size_t limit = BoundedLineReader::kDefaultMaxLineBytes) {
    std::istringstream in(text);
    BoundedLineReader reader(in, limit);
    std::vector<std::string> lines;
    std::string line;
    Status status;
    while ((status = reader.Next(line)) == Status::kLine) {
        lines.push_back(line);
    }
    EXPECT_EQ(status, expectedEnd);
    return lines;
}

TEST(BoundedLineReaderTest, SplitsAtEveryKindOfLineBreak) {
    using Lines = std::vector<std::string>;
    EXPECT_EQ(AllLines(""), Lines{});
    EXPECT_EQ(AllLines("a"), Lines{"a"});
    EXPECT_EQ(AllLines("a\n"), Lines{"a"});
    EXPECT_EQ(AllLines("a\nb"), Lines({"a", "b"}));
    EXPECT_EQ(AllLines("a\r\nb\r\n"), Lines({"a", "b"}));
    EXPECT_EQ(AllLines("a\rb\r"), Lines({"a", "b"}));
    EXPECT_EQ(AllLines("a\n\nb"), Lines({"a", "", "b"}));
    EXPECT_EQ(AllLines("a\n\r\nb"), Lines({"a", "", "b"}));
    EXPECT_EQ(AllLines("a\r\rb"), Lines({"a", "", "b"}));
    EXPECT_EQ(AllLines("\n"), Lines{""});
    EXPECT_EQ(AllLines(std::string("x\0y\n", 4)), Lines{std::string("x\0y", 3)});
    EXPECT_EQ(AllLines("\xEF\xBB\xBF" "1 2\n\xEF\xBB\xBF"), Lines({"1 2", "\xEF\xBB\xBF"}));  // at the start only
}

TEST(BoundedLineReaderTest, CarriageReturnAndLineFeedSplitAcrossBufferRefillsStayOneBreak) {
    std::string text(64 * 1024 - 1, 'a');
    text += "\r\nb";
    const auto lines = AllLines(text);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].size(), 64u * 1024 - 1);
    EXPECT_EQ(lines[1], "b");
}

TEST(BoundedLineReaderTest, RefusesALineOverTheLimitAndStopsThere) {
    std::istringstream in("12345\n123456\nabc\n");
    BoundedLineReader reader(in, 5);
    std::string line;
    EXPECT_EQ(reader.Next(line), Status::kLine);
    EXPECT_EQ(line, "12345");
    EXPECT_EQ(reader.Next(line), Status::kTooLong);
    EXPECT_EQ(reader.LineNumber(), 2);
    EXPECT_TRUE(line.empty());
    EXPECT_EQ(reader.Next(line), Status::kTooLong);
}

TEST(BoundedLineReaderTest, LongLineSpanningManyBuffersIsRefusedWithoutReadingItWhole) {
    const std::string text(3 * 64 * 1024, '7');
    const auto lines = AllLines(text, Status::kTooLong, 100'000);
    EXPECT_TRUE(lines.empty());
}

}  // namespace
}  // namespace zorv
