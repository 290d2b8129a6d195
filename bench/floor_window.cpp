// The floor of the program's start: a plain Qt window with one line of text
// (so that it pays for the fonts, as every window with text does), shown and
// ended as soon as the event loop has run once.

#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(480, 640);
    window.setWindowTitle(QStringLiteral("Floor"));
    auto *layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel(QStringLiteral("2003-04 NBA Standings")));
    window.show();
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}
