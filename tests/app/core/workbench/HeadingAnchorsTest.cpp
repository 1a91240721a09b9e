#include <gtest/gtest.h>

#include "app/core/workbench/HeadingAnchors.h"

namespace zorv {
namespace {

TEST(HeadingAnchors, FollowTheHeadingsOfOnePageInOrder) {
    struct Case {
        const char* heading;
        const char* anchor;
    };
    const Case cases[] = {
        {"Data files (.txt) and output files (.out)", "data-files-txt-and-output-files-out"},
        {"Perception-based Logical Deduction", "perception-based-logical-deduction"},
        {"zorv eval: evaluate_rows", "zorv-eval-evaluate_rows"},
        {"Windows \xe2\x80\x94 a tour", "windows--a-tour"},
        {"Examples", "examples"},
        {"EXAMPLES", "examples-1"},
        {"Examples!", "examples-2"},
        {"", ""},
    };
    HeadingAnchors anchors;
    for (const Case& c : cases) EXPECT_EQ(anchors.next(c.heading), c.anchor) << c.heading;
}

}  // namespace
}  // namespace zorv
