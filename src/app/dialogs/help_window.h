#pragma once

#include <QWidget>

class QTextBrowser;

namespace hoopdeck::app {

// The help page Hoopdeck.html that ships beside the program.
QString helpFilePath();

// The window titled "Help" that shows the help page, opened at its contents.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget *parent = nullptr);
    QTextBrowser *browser() const { return browser_; }

private:
    QTextBrowser *browser_;
};

// Help > Hoopdeck: opens the help window, or brings it forward when it is open.
void LaunchHelp();

// Closes a window titled "Help"; true when there was one.
bool CloseHelpViewer();

} // namespace hoopdeck::app
