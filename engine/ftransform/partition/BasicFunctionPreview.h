#pragma once

#include "ftransform/partition/BasicFunctionShape.h"

#include <vector>

namespace zorv {

// The polyline that previews a shape in the settings dialog: the shape's basic function built on
// [0, 1], drawn on a paint area of width × height pixels. It starts at the bottom-left corner
// (0, height - 1) and goes through (trunc(t·width), trunc((height - 1)·(1 - membership(t)))) for
// t = 0, 0.01, 0.02, ... while t <= 1, t accumulated by repeated addition of 0.01.
class BasicFunctionPreview {
public:
    struct Point {
        int x;
        int y;
        bool operator==(const Point&) const = default;
    };

    static std::vector<Point> polyline(BasicFunctionShape shape, int width, int height);
};

}  // namespace zorv
