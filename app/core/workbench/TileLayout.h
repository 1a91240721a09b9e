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

// Arrangements of child windows over an area of width x height, in window order. The pieces fill the
// area exactly; remainders go to the later pieces.
class TileLayout {
public:
    // "Tile Horizontally": full-width windows one above the other.
    static std::vector<TileRect> stacked(int count, int width, int height);
    // "Tile Vertically": full-height windows side by side.
    static std::vector<TileRect> sideBySide(int count, int width, int height);
    // "Arrange All": minimized windows in rows along the bottom edge, left to right, the next row above.
    static std::vector<TileRect> iconRows(int count, int iconWidth, int iconHeight, int width, int height);
};

}  // namespace zorv
