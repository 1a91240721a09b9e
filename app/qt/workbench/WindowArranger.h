#pragma once

class QMdiArea;
class QMdiSubWindow;

namespace zorv {

// The Window menu's arrangements of the child windows, and the place of a new one.
class WindowArranger {
public:
    // Each window a title bar's height right of and below the one before, all of a size that keeps them
    // inside the area ("Cascade").
    static void cascade(QMdiArea& area);
    // Places a new window (one without a saved placement) where a cascade would put it next, at the size
    // its content asks for but no larger than keeps it inside the area.
    static void placeNew(QMdiArea& area, QMdiSubWindow& window);
    // Full-width windows one above the other ("Tile Horizontally").
    static void tileHorizontally(QMdiArea& area);
    // Full-height windows side by side ("Tile Vertically").
    static void tileVertically(QMdiArea& area);
    static void minimizeAll(QMdiArea& area);
    // Lines the minimized windows up along the bottom edge ("Arrange All").
    static void arrangeIcons(QMdiArea& area);
};

}  // namespace zorv
