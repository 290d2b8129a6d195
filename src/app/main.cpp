// hoopdeck: the season viewer's window.

#include <QApplication>

#include "run_program.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Morvane"));
    QCoreApplication::setApplicationName(QStringLiteral("Hoopdeck"));
    return hoopdeck::app::RunHoopdeck();
}
