#pragma once

#include <QString>

class QWidget;

namespace zorv {

class SettingsStore;

// Saves and restores where a window stands, under the window's caption. Works for the main window and for
// child windows (QMdiSubWindow), whose bounds count from the main window's client area.
class WindowPlacement {
public:
    // Notes whether the window is maximized, puts a child window into its normal state and writes the
    // normal-state bounds with that flag.
    static void save(QWidget& window, const QString& caption, SettingsStore& store);
    // Sets the bounds saved under caption and maximizes the window when it was maximized. Without a
    // readable record the window keeps its default placement. Returns whether a record was applied.
    static bool load(QWidget& window, const QString& caption, const SettingsStore& store);
};

}  // namespace zorv
