#pragma once

#include <QObject>
#include <QPointer>

#include <functional>

#include "game_view.h"
#include "game_window.h"

class QWidget;

namespace hoopdeck {
struct Viewer;
}

namespace hoopdeck::app {

class TextTableView;

// Opens the game of a list's row in the one game window, beside the main
// window: from the context menu's Game Details, Enter or a double-click.
// Another game opened later reuses the window.
class GameDetails : public QObject {
    Q_OBJECT
public:
    GameDetails(Viewer &viewer, QWidget *mainWindow);

    // rowGame gives the game a row of the list stands for.
    void attach(TextTableView *list, std::function<GameRef(int row)> rowGame);
    void open(GameRef game);
    // The game shown again, in the zone and with the results now chosen;
    // nothing when no game window is open.
    void refresh();

    GameWindow *window() const { return window_; }  // null until first opened

private:
    Viewer &viewer_;
    QWidget *mainWindow_;
    QPointer<GameWindow> window_;
    bool boxesRead_ = false;
    GameRef shown_;
};

} // namespace hoopdeck::app
