#include "cli/ControlCharacterFilter.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace zorv::cli {
namespace {

TEST(ControlCharacterFilter, ShowsWhatWouldSteerATerminalAndLeavesTheStreamAsItWas) {
    std::ostringstream err;
    {
        const ControlCharacterFilter filter(err);
        err << "error: '9\x1b]0;title\x07' is not a number\n" << '\x08' << std::string(5000, 'x') << "\r\t\x7f";
        err << std::flush;
    }
    EXPECT_EQ(err.str(), "error: '9?]0;title?' is not a number\n?" + std::string(5000, 'x') + "\r\t?");
    err << '\x1b';
    EXPECT_EQ(err.str().back(), '\x1b') << "the stream's own buffer is back in place";
}

}  // namespace
}  // namespace zorv::cli
