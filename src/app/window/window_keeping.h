#pragma once

#include <QMargins>
#include <QRect>
#include <QSize>

class QMainWindow;
class QTabWidget;
class QWidget;

namespace hoopdeck {
class SettingsStore;
}

namespace hoopdeck::app {

// The main window as the user left it, kept in the store's group "Window"
// beside the user's settings: Geometry (the window's saved geometry as
// base64 text), Maximized ("1" or "0") and Tab (the current tab, decimal).
// Only those three are written, so nothing another program saved is undone.
void keepWindowState(const QMainWindow *window, const QTabWidget *tabs, SettingsStore &store);

// Puts the window back as it was kept, moved and shrunk as needed to lie on
// a screen that is present now. With nothing kept (the first start) the
// window takes firstSize, bounded by the screen, centred on it.
void restoreWindowState(QMainWindow *window, QTabWidget *tabs, const SettingsStore &store, QSize firstSize);

// The rectangle moved, and shrunk where it must be, to lie wholly inside area.
QRect fittedInto(const QRect &rect, const QRect &area);

// The frame the desktop puts around a window: known once the window is on
// screen, before that an allowance for a title bar and borders.
QMargins frameAllowance(const QWidget *window);

} // namespace hoopdeck::app
