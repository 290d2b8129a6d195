#include "child_windows.h"

#include <QApplication>
#include <QDialog>
#include <QScreen>
#include <QWidget>

#include "help_window.h"
#include "window_keeping.h"

namespace hoopdeck::app {

QWidget *findWindowTitled(const QString &title)
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        if (window->windowTitle() == title)
            return window;
    }
    return nullptr;
}

namespace {

void endWindow(QWidget *window)
{
    if (auto *dialog = qobject_cast<QDialog *>(window))
        dialog->done(QDialog::Accepted);
    else
        window->close();
}

} // namespace

bool BringDialogForward(const QString &title)
{
    QWidget *window = findWindowTitled(title);
    if (!window)
        return false;
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
    return true;
}

void placeOverMainWindow(QWidget *child, const QWidget *mainWindow)
{
    if (!mainWindow)
        return;
    if (!child->testAttribute(Qt::WA_Resized))
        child->adjustSize();
    const QScreen *screen = mainWindow->screen();
    if (!screen)
        return;
    // A size below what the layout needs would grow again when shown.
    QRect placed(QPoint(), child->size().expandedTo(child->minimumSizeHint()));
    placed.moveCenter(mainWindow->geometry().center());
    const QMargins frame = frameAllowance(child);
    child->setGeometry(fittedInto(placed.marginsAdded(frame), screen->availableGeometry()).marginsRemoved(frame));
}

void CloseChildWindows(QWidget *popupCalendar)
{
    if (QWidget *download = findWindowTitled(QLatin1String(kDownloadDialogTitle)))
        endWindow(download);
    CloseHelpViewer();
    if (QWidget *calendar = findWindowTitled(QLatin1String(kCalendarDialogTitle)))
        endWindow(calendar);
    if (popupCalendar)
        popupCalendar->close();
    for (const char *title : {kOptionsDialogTitle, kAboutDialogTitle}) {
        if (QWidget *window = findWindowTitled(QLatin1String(title)))
            endWindow(window);
    }
}

} // namespace hoopdeck::app
