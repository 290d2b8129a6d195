#include "app_identity.h"

#include <QApplication>
#include <QIcon>

// The icons live in a static library: its resources must be pulled in by name,
// outside any namespace.
static void initIconResources()
{
    Q_INIT_RESOURCE(icons);
}

namespace hoopdeck::app {

void setUpApplication(QApplication &app)
{
    initIconResources();
    QCoreApplication::setOrganizationName(QStringLiteral("Morvane"));
    QCoreApplication::setApplicationName(QStringLiteral("Hoopdeck"));
    QCoreApplication::setApplicationVersion(QStringLiteral("2.0.4"));
    QGuiApplication::setDesktopFileName(QStringLiteral("com.morvane.Hoopdeck"));
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/hoopdeck-%1.png").arg(size), QSize(size, size));
    app.setWindowIcon(icon);
}

} // namespace hoopdeck::app
