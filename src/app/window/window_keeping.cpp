#include "window_keeping.h"

#include <QGuiApplication>
#include <QMainWindow>
#include <QScreen>
#include <QTabWidget>
#include <QWindow>

#include <algorithm>

#include "settings_store.h"

namespace hoopdeck::app {

namespace {
const QString kGroup = QStringLiteral("Window/");
const QString kGeometry = QStringLiteral("Geometry");
const QString kMaximized = QStringLiteral("Maximized");
const QString kTab = QStringLiteral("Tab");

// A first window leaves this much of the screen free around it.
constexpr double kFirstStartShare = 0.9;

QScreen *screenHolding(const QRect &rect)
{
    if (QScreen *screen = QGuiApplication::screenAt(rect.center()))
        return screen;
    return QGuiApplication::primaryScreen();
}
} // namespace

QMargins frameAllowance(const QWidget *window)
{
    if (const QWindow *handle = window->windowHandle(); handle && !handle->frameMargins().isNull())
        return handle->frameMargins();
    return {8, 32, 8, 8};
}

QRect fittedInto(const QRect &rect, const QRect &area)
{
    QRect fitted(rect.topLeft(), rect.size().boundedTo(area.size()));
    fitted.moveLeft(std::clamp(fitted.left(), area.left(), area.right() - fitted.width() + 1));
    fitted.moveTop(std::clamp(fitted.top(), area.top(), area.bottom() - fitted.height() + 1));
    return fitted;
}

void keepWindowState(const QMainWindow *window, const QTabWidget *tabs, SettingsStore &store)
{
    store.save({{kGroup + kGeometry, QString::fromLatin1(window->saveGeometry().toBase64())},
                {kGroup + kMaximized, window->isMaximized() ? QStringLiteral("1") : QStringLiteral("0")},
                {kGroup + kTab, QString::number(tabs->currentIndex())}});
}

void restoreWindowState(QMainWindow *window, QTabWidget *tabs, const SettingsStore &store, QSize firstSize)
{
    const QByteArray geometry = QByteArray::fromBase64(store.value(kGroup + kGeometry).toLatin1());
    const bool maximized = store.value(kGroup + kMaximized) == QLatin1String("1");
    bool tabRead = false;
    const int tab = store.value(kGroup + kTab).toInt(&tabRead);

    if (tabRead && tab >= 0 && tab < tabs->count())
        tabs->setCurrentIndex(tab);

    if (geometry.isEmpty() || !window->restoreGeometry(geometry)) {
        const QScreen *screen = QGuiApplication::primaryScreen();
        const QRect area = screen ? screen->availableGeometry() : QRect(QPoint(), firstSize);
        const QSize size = firstSize.boundedTo((QSizeF(area.size()) * kFirstStartShare).toSize());
        QRect first(QPoint(), size.shrunkBy(frameAllowance(window)));
        first.moveCenter(area.center());
        window->setGeometry(first);
        return;
    }
    // Screens come and go between runs: the kept place must lie on one that is here now.
    // The frame counts too: a title bar off the top cannot be dragged back.
    const QMargins frame = frameAllowance(window);
    const QRect kept = window->geometry().marginsAdded(frame);
    const QScreen *screen = screenHolding(kept);
    if (screen && !screen->availableGeometry().contains(kept))
        window->setGeometry(fittedInto(kept, screen->availableGeometry()).marginsRemoved(frame));
    if (maximized)
        window->setWindowState(window->windowState() | Qt::WindowMaximized);
}

} // namespace hoopdeck::app
