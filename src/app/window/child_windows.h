#pragma once

#include <QString>

class QWidget;

namespace hoopdeck::app {

// Window titles that identify the program's windows; each child is found
// again by its title so that it never opens twice.
constexpr const char *kMainFormTitle = "Hoopdeck";
constexpr const char *kDownloadDialogTitle = "HDK Download";
constexpr const char *kCalendarDialogTitle = "HDK Calendar";
constexpr const char *kOptionsDialogTitle = "HDK Options";
constexpr const char *kAboutDialogTitle = "About Hoopdeck";
constexpr const char *kHelpWindowTitle = "Help";

// The top-level window with exactly this title, or none.
QWidget *findWindowTitled(const QString &title);

// Shows the window with exactly this title (hidden or minimised ones too),
// raises and activates it. False when there is none.
bool BringDialogForward(const QString &title);

// Centres a child window over the main window, moved and shrunk as needed
// to lie wholly, frame and all, inside the screen that holds the main window.
// A child whose size nobody set takes its layout's size first.
void placeOverMainWindow(QWidget *child, const QWidget *mainWindow);

// Ends every child window before the program ends: a running download
// first, then the help window, the titled dialogs in their fixed order, and
// the popup calendar when there is one.
void CloseChildWindows(QWidget *popupCalendar);

} // namespace hoopdeck::app
