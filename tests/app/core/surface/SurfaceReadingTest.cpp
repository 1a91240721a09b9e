// Reading values off the surface picture: the scales along the box's edges and the grid point under the
// mouse pointer.
#include <gtest/gtest.h>

#include "app/core/surface/SurfaceReadout.h"
#include "app/core/surface/SurfaceScales.h"
#include "surface/Projection.h"

namespace zorv {
namespace {

const std::array<SurfaceRange, 3> kRanges{{{10, 30, "indoor"}, {-1, 1, "outdoor"}, {0, 100, "power"}}};

std::vector<std::string> labels(const SurfaceScale& scale) {
    std::vector<std::string> texts;
    for (const SurfaceTick& tick : scale.ticks) texts.push_back(tick.label);
    return texts;
}

TEST(SurfaceScales, TicksNameTheValuesAtTheEndsAndQuartersOfEachContext) {
    const auto scales = SurfaceScales::Of(Projection::InitialView(), kRanges);
    EXPECT_EQ(labels(scales[0]), (std::vector<std::string>{"10", "15", "20", "25", "30"}));
    EXPECT_EQ(labels(scales[1]), (std::vector<std::string>{"-1", "-0.5", "0", "0.5", "1"}));
    EXPECT_EQ(scales[2].name, "power");
    EXPECT_EQ(scales[0].ticks[1].at, (Vector3d{-0.5, 1, -1}));
    EXPECT_EQ(scales[2].ticks.back().at.z, 1.0);
    EXPECT_EQ(SurfaceScales::Label(1.0 / 3.0), "0.3333");
}

// The initial view looks at the box from the side of high x and high y (the net's last row and column are
// painted last): the input scales run along the bottom edges on that side, and the output's on the corner
// furthest left. Half a turn brings the other edges to the front.
TEST(SurfaceScales, RunAlongTheEdgesTheViewTurnsTowardsTheViewer) {
    auto scales = SurfaceScales::Of(Projection::InitialView(), kRanges);
    EXPECT_EQ(scales[0].from, (Vector3d{-1, 1, -1}));
    EXPECT_EQ(scales[0].outward, (Vector3d{0, 1, 0}));
    EXPECT_EQ(scales[1].from, (Vector3d{1, -1, -1}));
    EXPECT_EQ(scales[2].from, (Vector3d{-1, 1, -1}));
    EXPECT_EQ(scales[2].to, (Vector3d{-1, 1, 1}));

    scales = SurfaceScales::Of(Transform3d::RotationZ(3.14159265) * Projection::InitialView(), kRanges);
    EXPECT_EQ(scales[0].from, (Vector3d{-1, -1, -1}));
    EXPECT_EQ(scales[1].from, (Vector3d{-1, -1, -1}));
    EXPECT_EQ(scales[2].from, (Vector3d{1, -1, -1}));
}

TEST(SurfaceReadout, GivesTheGridPointNearestThePointerWithItsValues) {
    Net3d net(2, 3);
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 3; ++c) net.At(r, c) = {c - 1.0, r * 2.0 - 1, 0.1 * (r * 3 + c)};
    const SurfaceReadout readout({0, 10, 3}, {-5, 5, 2}, {1, 2, 3, 4, 5, 6});
    Projection view;
    view.SetArea(400, 400);
    const ScreenPoint p = view.Project(net.At(1, 2));
    const auto reading = readout.At(net, view, {p.x + 2, p.y - 1}, 10);
    ASSERT_TRUE(reading);
    EXPECT_EQ(reading->row, 1);
    EXPECT_EQ(reading->column, 2);
    EXPECT_EQ(reading->input1, 10.0);
    EXPECT_EQ(reading->input2, 5.0);
    EXPECT_EQ(reading->output, 6.0);  // as computed, whatever the net holds

    EXPECT_FALSE(readout.At(net, view, {p.x + 40, p.y}, 10));  // nothing within reach
    EXPECT_FALSE(readout.At(Net3d(3, 3), view, p, 10));        // a net of another grid
    EXPECT_FALSE(SurfaceReadout().At(Net3d(), view, p, 10));
}

}  // namespace
}  // namespace zorv
