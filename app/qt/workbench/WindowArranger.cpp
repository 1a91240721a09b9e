#include "app/qt/workbench/WindowArranger.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStyle>

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

int cascadeStep(const QMdiArea& area) { return area.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &area); }

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

void WindowArranger::cascade(QMdiArea& area) {
    const QList<QMdiSubWindow*> open = windows(area, false);
    for (QMdiSubWindow* window : open) {
        if (window->isMaximized()) window->showNormal();
    }
    const QSize size = area.viewport()->size();
    place(open, TileLayout::cascaded(static_cast<int>(open.size()), size.width(), size.height(), cascadeStep(area)));
    // In creation order, so that the last window, down at the right, lies on top.
    for (QMdiSubWindow* window : open) window->raise();
}

void WindowArranger::placeNew(QMdiArea& area, QMdiSubWindow& window) {
    qsizetype others = 0;
    for (const QMdiSubWindow* shown : area.subWindowList()) {
        if (shown != &window && !shown->isHidden()) ++others;
    }
    const QSize size = area.viewport()->size();
    const QSize preferred = window.sizeHint();
    const QSize minimum = window.minimumSizeHint();
    const TileRect rect = TileLayout::nextCascaded(static_cast<int>(others), size.width(), size.height(), cascadeStep(area),
                                                   {preferred.width(), preferred.height()},
                                                   {minimum.width(), minimum.height()});
    window.setGeometry(rect.x, rect.y, rect.width, rect.height);
}

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
