#pragma once

#include <optional>

#include "surface/Axis3d.h"
#include "surface/Projection.h"
#include "surface/ScreenPoint.h"
#include "surface/Transform3d.h"
#include "surface/Vector3d.h"

namespace zorv {

// Turns the view of a surface picture with the mouse. Pressing a button grabs the axis whose tip lies
// nearest to the pointer (depth dropped; X, then Y, then Z, a later one winning only when strictly
// nearer); pressing and dragging then bring the grabbed tip towards the pointer p0 (view coordinates):
//
// - X or Y: a turn about the output axis, in the data's own coordinates (view R × V). p0 is lifted along
//   the depth into the plane through the origin perpendicular to the Z tip Zt,
//       w = (p0.x, −(Zt·p0)/Zt.y, p0.z),
//   and with kx = cos∠(w, Xt), ky = cos∠(w, Yt) the turn is about Z with (sine, cosine) = (ky, kx) for X,
//   (−kx, ky) for Y, which brings that tip onto the line from the origin through w.
// - Z: a tilt about the screen's horizontal axis (view V × R). With r = |Zt| and p0.z held within [−r, r],
//       w = (0, sqrt(r² − p0.z²), p0.z),  c = cos∠(w, Zt),  t = ±sqrt(1 − c²) (negative when Zt.z < p0.z),
//   the tilt is about X with (sine, cosine) = (−t, c), which brings the Z tip onto w. Dragging above the
//   tip's own length keeps the tilt at its extreme.
//
// Where the turn is undefined (a Z tip without depth, p0 at the origin for X or Y, a Z tip of no length)
// the move is ignored and the view stays as it is.
class MouseRotation {
public:
    // A button was pressed at s: grabs an axis, turns the view and starts dragging.
    void Press(ScreenPoint s, Projection& projection);
    // The pointer moved to s. True when the view was turned (the picture wants repainting).
    bool Move(ScreenPoint s, Projection& projection);
    void Release() { dragging_ = false; }

    bool Dragging() const { return dragging_; }
    Axis3d Grabbed() const { return grabbed_; }

    // The axis whose tip, turned by the view with its depth dropped, lies nearest to p0.
    static Axis3d NearestAxis(const Vector3d& p0, const Transform3d& view);
    // The view turned so that the grabbed tip comes towards p0; none where the turn is undefined.
    static std::optional<Transform3d> Turned(const Transform3d& view, Axis3d axis, const Vector3d& p0);

private:
    bool TurnTowards(ScreenPoint s, Projection& projection);
    static std::optional<Transform3d> TurnedAboutOutput(const Transform3d& view, Axis3d axis, const Vector3d& p0);
    static std::optional<Transform3d> Tilted(const Transform3d& view, Vector3d p0);

    Axis3d grabbed_ = Axis3d::X;
    bool dragging_ = false;
};

}  // namespace zorv
