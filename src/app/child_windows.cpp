#include "child_windows.h"

#include <QApplication>
#include <QDialog>
#include <QWidget>

namespace hoopdeck::app {

namespace {

QWidget *findWindow(const QString &title)
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        if (window->windowTitle() == title)
            return window;
    }
    return nullptr;
}

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
    QWidget *window = findWindow(title);
    if (!window)
        return false;
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
    return true;
}

void CloseChildWindows(QWidget *popupCalendar)
{
    if (QWidget *download = findWindow(QLatin1String(kDownloadDialogTitle)))
        endWindow(download);
    if (QWidget *calendar = findWindow(QLatin1String(kCalendarDialogTitle)))
        endWindow(calendar);
    if (popupCalendar)
        popupCalendar->close();
    for (const char *title : {kOptionsDialogTitle, kAboutDialogTitle}) {
        if (QWidget *window = findWindow(QLatin1String(title)))
            endWindow(window);
    }
}

} // namespace hoopdeck::app
