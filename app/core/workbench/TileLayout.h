#pragma once

#include <vector>

namespace zorv {

struct TileRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    bool operator==(const TileRect&) const = default;
};

struct TileSize {
    int width = 0;
    int height = 0;
};

// Arrangements of child windows over an area of width x height, in window order. The pieces fill the
// area exactly; remainders go to the later pieces.
class TileLayout {
public:
    // "Cascade": each window a step right of and below the one before, all of one size that keeps the last
    // one inside the area. The steps go down at most half the area; further windows start again at the top.
    static std::vector<TileRect> cascaded(int count, int width, int height, int step);
    // Where a new window goes when windows are open already: the next place of the cascade, at its preferred
    // size but no larger than reaches the area's edges from there (and never below its minimum).
    static TileRect nextCascaded(int open, int width, int height, int step, TileSize preferred, TileSize minimum);
    // "Tile Horizontally": full-width windows one above the other.
    static std::vector<TileRect> stacked(int count, int width, int height);
    // "Tile Vertically": full-height windows side by side.
    static std::vector<TileRect> sideBySide(int count, int width, int height);
    // "Arrange All": minimized windows in rows along the bottom edge, left to right, the next row above.
    static std::vector<TileRect> iconRows(int count, int iconWidth, int iconHeight, int width, int height);
};

}  // namespace zorv
