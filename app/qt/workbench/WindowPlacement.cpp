#include "app/qt/workbench/WindowPlacement.h"

#include <QWidget>

#include "app/qt/workbench/SettingsStore.h"

namespace zorv {
namespace {

QRect normalBounds(QWidget& window) {
    if (window.isWindow()) {
        return window.isMaximized() || window.isMinimized() ? window.normalGeometry() : window.geometry();
    }
    if (window.isMaximized() || window.isMinimized()) {
        window.showNormal();
    }
    return window.geometry();
}

}  // namespace

void WindowPlacement::save(QWidget& window, const QString& caption, SettingsStore& store) {
    const bool maximized = window.isMaximized();
    const QRect bounds = normalBounds(window);
    store.setPlacement(caption, {bounds.x(), bounds.y(), bounds.width(), bounds.height(), maximized});
}

bool WindowPlacement::load(QWidget& window, const QString& caption, const SettingsStore& store) {
    const auto record = store.placement(caption);
    if (!record) {
        return false;
    }
    window.setGeometry(record->left, record->top, record->width, record->height);
    if (record->maximized) {
        window.setWindowState(window.windowState() | Qt::WindowMaximized);
    }
    return true;
}

}  // namespace zorv
