// hoopdeck: the season viewer's window.

#include <QApplication>

#include "app_identity.h"
#include "run_program.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    hoopdeck::app::setUpApplication(app);
    return hoopdeck::app::RunHoopdeck();
}
