// Quoting text from files in messages: a short first line, cut between characters, nothing a terminal acts on.
#include "text/TextExcerpt.h"

#include <gtest/gtest.h>

#include <string>

namespace zorv {
namespace {

TEST(TextExcerpt, ShowsAShortSafeFirstLine) {
    struct Case {
        std::string text;
        std::size_t maxBytes;
        std::string shown;
    };
    const Case cases[] = {
        {"12,5 abc", 40, "12,5 abc"},
        {"first\r\nsecond", 40, "first"},
        {"a\tb", 40, "a\tb"},
        {"1\x1b[31mred\x07", 40, "1?[31mred?"},
        {"\x7f\xc2\x9b" "2J", 40, "??2J"},          // DEL and the 8-bit control sequence introducer
        {"\xff\xc3" "A\xed\xa0\x80x", 40, "??A???x"},  // stray bytes, a cut character, a surrogate
        {"za\xc5\xbe\xe2\x82\xac", 40, "za\xc5\xbe\xe2\x82\xac"},
        {"abcdef", 6, "abcdef"},
        {"abcdefg", 6, "abcdef..."},
        {"abcd\xe2\x82\xac", 6, "abcd..."},  // never half a character
        {std::string(1 << 20, '7'), TextExcerpt::kShortBytes, std::string(TextExcerpt::kShortBytes, '7') + "..."},
    };
    for (const Case& c : cases) EXPECT_EQ(TextExcerpt::of(c.text, c.maxBytes), c.shown) << c.text.substr(0, 50);
}

}  // namespace
}  // namespace zorv
