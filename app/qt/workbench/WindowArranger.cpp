#include "app/qt/workbench/WindowArranger.h"

#include <QMdiArea>
#include <QMdiSubWindow>

#include "app/core/workbench/TileLayout.h"

namespace zorv {
namespace {

QList<QMdiSubWindow*> windows(QMdiArea& area, bool minimized) {
    QList<QMdiSubWindow*> result;
    for (QMdiSubWindow* window : area.subWindowList(QMdiArea::CreationOrder)) {
        if (!window->isHidden() && window->isMinimized() == minimized) {
            result << window;
        }
    }
    return result;
}

void place(const QList<QMdiSubWindow*>& windows, const std::vector<TileRect>& rects) {
    for (qsizetype i = 0; i < windows.size(); ++i) {
        const TileRect& rect = rects[static_cast<std::size_t>(i)];
        windows[i]->setGeometry(rect.x, rect.y, rect.width, rect.height);
    }
}

void tile(QMdiArea& area, bool stacked) {
    const QList<QMdiSubWindow*> open = windows(area, false);
    for (QMdiSubWindow* window : open) {
        if (window->isMaximized()) {
            window->showNormal();
        }
    }
    const QSize size = area.viewport()->size();
    const int count = static_cast<int>(open.size());
    place(open, stacked ? TileLayout::stacked(count, size.width(), size.height())
                        : TileLayout::sideBySide(count, size.width(), size.height()));
}

}  // namespace

void WindowArranger::tileHorizontally(QMdiArea& area) {
    tile(area, true);
}

void WindowArranger::tileVertically(QMdiArea& area) {
    tile(area, false);
}

void WindowArranger::minimizeAll(QMdiArea& area) {
    for (QMdiSubWindow* window : area.subWindowList()) {
        window->showMinimized();
    }
}

void WindowArranger::arrangeIcons(QMdiArea& area) {
    const QList<QMdiSubWindow*> icons = windows(area, true);
    if (icons.isEmpty()) {
        return;
    }
    const QSize icon = icons.constFirst()->size();
    const QSize size = area.viewport()->size();
    place(icons, TileLayout::iconRows(static_cast<int>(icons.size()), icon.width(), icon.height(), size.width(),
                                      size.height()));
}

}  // namespace zorv
