// The 3-D maths of the surface picture: the initial view, projection, painting order and mouse rotation.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

#include "surface/Graphics3d.h"
#include "surface/MouseRotation.h"
#include "surface/Net3d.h"
#include "surface/Projection.h"
#include "surface/Transform3d.h"

namespace zorv {
namespace {

void ExpectNear(const Vector3d& actual, const Vector3d& expected, double tolerance) {
    EXPECT_NEAR(actual.x, expected.x, tolerance);
    EXPECT_NEAR(actual.y, expected.y, tolerance);
    EXPECT_NEAR(actual.z, expected.z, tolerance);
}

// Records the quadrilaterals it is asked to fill and their fills.
class QuadRecorder final : public Painter3d {
public:
    void MoveTo(ScreenPoint) override {}
    void LineTo(ScreenPoint, Rgb) override {}
    void Marker(ScreenPoint, Rgb) override {}
    void Quad(const std::array<ScreenPoint, 4>& corners, Rgb, Rgb fill) override {
        quads.push_back(corners);
        fills.push_back(fill);
    }
    std::vector<std::array<ScreenPoint, 4>> quads;
    std::vector<Rgb> fills;
};

TEST(Transform3d, ProductAppliesTheLeftFactorFirst) {
    const Transform3d a = Transform3d::RotationZ(0.3);
    const Transform3d b = Transform3d::RotationX(-1.1) * Transform3d::Scale(3.0);
    const Vector3d p{0.5, -1.25, 2.0};
    ExpectNear((a * b).Apply(p), b.Apply(a.Apply(p)), 1e-12);
    ExpectNear(Transform3d::RotationX(std::sin(0.7), std::cos(0.7)).Apply(p), Transform3d::RotationX(0.7).Apply(p), 0);
    ExpectNear(Transform3d::RotationZ(std::numbers::pi / 2).Apply(Vector3d::XTip()), Vector3d::YTip(), 1e-12);
}

TEST(Projection, InitialViewTurnsTheTipsAsDrawnAndZPointsStraightUp) {
    const Transform3d v = Projection::InitialView();
    ExpectNear(v.Apply(Vector3d::XTip()), {3.684, 1.435, -0.607}, 1e-3);
    ExpectNear(v.Apply(Vector3d::YTip()), {-1.558, 3.393, -1.435}, 1e-3);
    ExpectNear(v.Apply(Vector3d::ZTip()), {0, 1.558, 3.684}, 1e-3);

    Projection projection;
    projection.SetArea(401, 300);
    EXPECT_EQ(projection.Project(Vector3d::Origin()), (ScreenPoint{200, 150}));
    EXPECT_EQ(projection.Project(Vector3d::ZTip()), (ScreenPoint{200, 150 - 185}));  // floor(150 - 184.2)
    ExpectNear(projection.Unproject({250, 100}), {1, 0, 1}, 0);
    // Far-off and undefined coordinates stay within what a pixel position can hold.
    EXPECT_EQ(projection.ProjectTurned({1e300, 0, std::nan("")}), (ScreenPoint{1'000'000, 0}));
}

TEST(Graphics3d, PaintsEveryQuadrilateralOnceFromTheFarCorner) {
    Graphics3d g;
    g.View().SetArea(400, 400);
    Net3d net(5, 5);
    for (int r = 0; r < 5; ++r)
        for (int c = 0; c < 5; ++c) net.At(r, c) = {c / 2.0 - 1, r / 2.0 - 1, 0.0};
    struct Case {
        double turn;  // about Z, before the initial view
        int firstRow, firstColumn, nextRow;
    };
    // The initial view draws from row 0 and column 0; half a turn brings the last row and column nearest.
    for (const Case& k : {Case{0.0, 0, 0, 1}, Case{std::numbers::pi, 4, 4, 3}}) {
        g.View().SetView(Transform3d::RotationZ(k.turn) * Projection::InitialView());
        QuadRecorder recorder;
        g.PaintSurface(net, recorder);
        ASSERT_EQ(recorder.quads.size(), 16u);
        EXPECT_EQ(recorder.fills, std::vector<Rgb>(16, Graphics3d::kFill));
        EXPECT_EQ(recorder.quads.front()[0], g.View().Project(net.At(k.firstRow, k.firstColumn)));
        EXPECT_EQ(recorder.quads.front()[1], g.View().Project(net.At(k.nextRow, k.firstColumn)));
    }
    for (const int n : {0, 1, 2, 70}) {
        QuadRecorder recorder;
        g.PaintSurface(Net3d(n, n), recorder);
        EXPECT_EQ(recorder.quads.size(), n > 1 ? static_cast<std::size_t>((n - 1) * (n - 1)) : 0u) << n;
    }
}

// Coloured by height, a face is filled by its corners' mean height: blue at the bottom, red at the top.
TEST(Graphics3d, ColoursFacesByTheirHeightWhenAsked) {
    EXPECT_EQ(Graphics3d::HeightColour(-1.0), (Rgb{0, 0, 255}));
    EXPECT_EQ(Graphics3d::HeightColour(0.0), (Rgb{0, 200, 0}));
    EXPECT_EQ(Graphics3d::HeightColour(1.0), (Rgb{255, 0, 0}));
    EXPECT_EQ(Graphics3d::HeightColour(7.0), Graphics3d::HeightColour(1.0));
    EXPECT_EQ(Graphics3d::HeightColour(std::nan("")), Graphics3d::HeightColour(-1.0));

    Graphics3d g;
    g.View().SetArea(400, 400);
    g.SetHeightColours(true);
    Net3d net(2, 3);  // a slope: -1 at the first column, 0 at the second, 1 at the third
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 3; ++c) net.At(r, c) = {c - 1.0, r * 2.0 - 1, c - 1.0};
    QuadRecorder recorder;
    g.PaintSurface(net, recorder);
    EXPECT_EQ(recorder.fills, (std::vector<Rgb>{Graphics3d::HeightColour(-0.5), Graphics3d::HeightColour(0.5)}));
}

TEST(MouseRotation, GrabsTheNearestTipAndTheEarlierAxisOnATie) {
    const Transform3d v = Projection::InitialView();
    const auto flat = [&](Vector3d tip) {
        Vector3d t = v.Apply(tip);
        t.y = 0;
        return t;
    };
    const Vector3d x = flat(Vector3d::XTip()), y = flat(Vector3d::YTip()), z = flat(Vector3d::ZTip());
    struct Case {
        Transform3d view;
        Vector3d p0;
        Axis3d expected;
    };
    // Under the plain view (scale 2) the flattened tips are X (4, 0, 0), Y (0, 0, 0) and Z (0, 0, 4).
    const Transform3d plain = Transform3d::Scale(2.0);
    for (const Case& k : {Case{v, x, Axis3d::X}, Case{v, y, Axis3d::Y}, Case{v, z, Axis3d::Z}, Case{v, z * 1.5, Axis3d::Z},
                          Case{plain, {2, 0, 2}, Axis3d::X}, Case{plain, {0, 0, 2}, Axis3d::Y},
                          Case{plain, {2, 0, 0}, Axis3d::X}, Case{plain, {0, 0, 2.001}, Axis3d::Z}}) {
        EXPECT_EQ(MouseRotation::NearestAxis(k.p0, k.view), k.expected) << k.p0.x << ", " << k.p0.z;
    }
}

TEST(MouseRotation, TurnsTheGrabbedTipOntoThePointer) {
    const Transform3d v = Projection::InitialView();
    // X and Y turn about the output axis until their tip lies on the ray through the lifted pointer.
    for (const Axis3d axis : {Axis3d::X, Axis3d::Y}) {
        const Vector3d p0{-1.0, 0.0, 0.5};
        const auto turned = MouseRotation::Turned(v, axis, p0);
        ASSERT_TRUE(turned);
        const Vector3d tip = turned->Apply(axis == Axis3d::X ? Vector3d::XTip() : Vector3d::YTip());
        const Vector3d zt = v.Apply(Vector3d::ZTip());
        const Vector3d w{p0.x, -zt.Dot(p0) / zt.y, p0.z};
        EXPECT_NEAR(tip.Dot(w) / (tip.Length() * w.Length()), 1.0, 1e-12);
        ExpectNear(turned->Apply(Vector3d::ZTip()), zt, 1e-12);  // the output axis stays
    }
    // Z tilts to the pointer's height; above the tip's length it stays at the extreme, pointing straight up.
    const double r = v.Apply(Vector3d::ZTip()).Length();
    struct Case {
        double height;
        Vector3d expectedTip;
    };
    for (const Case& k : {Case{1.0, {0, std::sqrt(r * r - 1), 1.0}}, Case{-2.5, {0, std::sqrt(r * r - 6.25), -2.5}},
                          Case{r, {0, 0, r}}, Case{10 * r, {0, 0, r}}, Case{-10 * r, {0, 0, -r}}}) {
        const auto tilted = MouseRotation::Turned(v, Axis3d::Z, {0.3, 0.0, k.height});
        ASSERT_TRUE(tilted);
        ExpectNear(tilted->Apply(Vector3d::ZTip()), k.expectedTip, 1e-9);
    }
}

TEST(MouseRotation, IgnoresMovesWhereTheTurnIsUndefined) {
    const Transform3d flat = Transform3d::Scale(2.0);  // the Z tip has no depth
    EXPECT_FALSE(MouseRotation::Turned(flat, Axis3d::X, {1, 0, 1}));
    EXPECT_FALSE(MouseRotation::Turned(Projection::InitialView(), Axis3d::Y, Vector3d::Origin()));
    EXPECT_FALSE(MouseRotation::Turned(Transform3d::Scale(0.0), Axis3d::Z, {1, 0, 1}));

    // Dragging keeps the view while such moves come, and turns it again afterwards; release ends dragging.
    Projection projection;
    projection.SetArea(400, 400);
    MouseRotation rotation;
    rotation.Press(projection.Project(Vector3d::XTip()), projection);
    EXPECT_EQ(rotation.Grabbed(), Axis3d::X);
    const Transform3d before = projection.View();
    EXPECT_FALSE(rotation.Move({200, 200}, projection));
    EXPECT_EQ(projection.View().Entries(), before.Entries());
    EXPECT_TRUE(rotation.Move({100, 120}, projection));
    rotation.Release();
    EXPECT_FALSE(rotation.Move({300, 120}, projection));
}

}  // namespace
}  // namespace zorv
