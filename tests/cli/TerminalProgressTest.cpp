#include <gtest/gtest.h>

#include <sstream>

#include "cli/TerminalProgress.h"

namespace zorv::cli {
namespace {

TEST(TerminalProgress, DrawsNothingOnAStreamThatIsNotTheTerminal) {
    std::ostringstream err;
    {
        TerminalProgress progress(err, "Learning");
        EXPECT_FALSE(progress.enabled());
        EXPECT_FALSE(progress.callback());
        progress.update(5, 10);
    }
    EXPECT_TRUE(err.str().empty());
    EXPECT_FALSE(TerminalProgress::drawsOn(err));
}

TEST(TerminalProgress, RedrawsInPlaceWhenThePercentageChangesAndClearsItsLine) {
    std::ostringstream err;
    {
        TerminalProgress progress(err, "Fit", true);
        progress.update(0, 4);
        progress.update(1, 8);   // 12 %
        progress.update(1, 7);   // 14 %
        progress.update(2, 16);  // 12 % again: drawn, since it changed
        progress.update(2, 16);  // unchanged: not drawn
        progress.update(9, 8);   // beyond the total: 100 %
        EXPECT_EQ(err.str(),
                  "\rFit [------------------------------]   0%"
                  "\rFit [###---------------------------]  12%"
                  "\rFit [####--------------------------]  14%"
                  "\rFit [###---------------------------]  12%"
                  "\rFit [##############################] 100%");
        err.str("");
    }
    EXPECT_EQ(err.str(), "\r" + std::string(41, ' ') + "\r");
}

TEST(TerminalProgress, RedrawsWhenTheDetailChangesAndCoversALongerLine) {
    std::ostringstream err;
    TerminalProgress progress(err, "T", true);
    progress.update(1, 2, "rmse 12.5");
    progress.update(1, 2, "rmse 12.5");  // unchanged: not drawn
    progress.update(1, 2, "rmse 3");
    const std::string bar = "T [###############---------------]  50%";
    EXPECT_EQ(err.str(), "\r" + bar + "  rmse 12.5" + "\r" + bar + "  rmse 3" + std::string(3, ' '));
}

TEST(TerminalProgress, AnEmptyTotalShowsCompletion) {
    std::ostringstream err;
    TerminalProgress progress(err, "x", true);
    progress.update(0, 0);
    EXPECT_NE(err.str().find("100%"), std::string::npos);
}

}  // namespace
}  // namespace zorv::cli
