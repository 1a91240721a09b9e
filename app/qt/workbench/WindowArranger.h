#pragma once

class QMdiArea;

namespace zorv {

// The Window menu's arrangements of the child windows that cascading alone does not cover.
class WindowArranger {
public:
    // Full-width windows one above the other ("Tile Horizontally").
    static void tileHorizontally(QMdiArea& area);
    // Full-height windows side by side ("Tile Vertically").
    static void tileVertically(QMdiArea& area);
    static void minimizeAll(QMdiArea& area);
    // Lines the minimized windows up along the bottom edge ("Arrange All").
    static void arrangeIcons(QMdiArea& area);
};

}  // namespace zorv
