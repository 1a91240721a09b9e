#pragma once

#include "surface/Net3d.h"
#include "surface/Painter3d.h"
#include "surface/Projection.h"
#include "surface/Rgb.h"

namespace zorv {

// The picture of a surface net on one drawing area: the quadrilaterals of the net, back to front, then the
// three coloured axes with markers at their tips.
//
// There is no hidden-surface removal; the quadrilaterals are painted in an order that lets the nearer ones
// cover the farther ones. With v the Y tip turned by the view, rows run upwards from row 0 when v.y > 0
// (else downwards from the last), columns upwards from column 0 when v.x < 0 (else downwards); each
// visited (r, c) fills the quadrilateral (r, c), (r + a, c), (r + a, c + d), (r, c + d) for the row
// step a and the column step d.
class Graphics3d {
public:
    static constexpr Rgb kOutline{0, 0, 0};
    static constexpr Rgb kFill{255, 255, 255};
    static constexpr Rgb kXAxis{0, 0, 255};
    static constexpr Rgb kYAxis{0, 128, 0};
    static constexpr Rgb kZAxis{255, 0, 0};

    Projection& View() { return projection_; }
    const Projection& View() const { return projection_; }

    // Whether the quadrilaterals are filled by height (HeightColour of their corners' mean height) instead
    // of white; off at the start.
    void SetHeightColours(bool on) { heightColours_ = on; }
    bool HeightColours() const { return heightColours_; }
    // The fill of a quadrilateral at height z in [−1, 1]: blue at the bottom through cyan, green and yellow
    // to red at the top; heights beyond are held at the ends.
    static Rgb HeightColour(double z);

    // The surface, then the axes.
    void Paint(const Net3d& net, Painter3d& painter) const;
    void PaintSurface(const Net3d& net, Painter3d& painter) const;
    void PaintAxes(Painter3d& painter) const;

private:
    Rgb FillOf(const Net3d& net, int r, int c, int a, int d) const;

    Projection projection_;
    bool heightColours_ = false;
};

}  // namespace zorv
