#include "app_identity.h"

#include <QApplication>
#include <QIcon>

#include "version.h"

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
    QCoreApplication::setApplicationVersion(QLatin1String(kVersion));
    QGuiApplication::setDesktopFileName(QStringLiteral("com.morvane.Hoopdeck"));
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/hoopdeck-%1.png").arg(size), QSize(size, size));
    app.setWindowIcon(icon);
}

} // namespace hoopdeck::app
