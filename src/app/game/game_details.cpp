#include "game_details.h"

#include <QAction>
#include <QScreen>

#include "game_window.h"
#include "text_table_view.h"
#include "viewer.h"

namespace hoopdeck::app {

GameDetails::GameDetails(Viewer &viewer, QWidget *mainWindow)
    : QObject(mainWindow), viewer_(viewer), mainWindow_(mainWindow)
{
}

void GameDetails::attach(TextTableView *list, std::function<GameRef(int row)> rowGame)
{
    auto *details = new QAction(tr("&Game Details"), list);
    details->setObjectName(QStringLiteral("gameDetails"));
    details->setShortcuts({QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)});
    details->setShortcutContext(Qt::WidgetShortcut);
    const auto openCurrent = [this, list, rowGame] {
        if (list->currentIndex().isValid())
            open(rowGame(list->currentIndex().row()));
    };
    connect(details, &QAction::triggered, this, openCurrent);
    connect(list, &QAbstractItemView::doubleClicked, this,
            [this, rowGame](const QModelIndex &index) { open(rowGame(index.row())); });
    list->addAction(details);
}

void GameDetails::open(GameRef game)
{
    if (!game.isValid())
        return;
    // The boxes are read when first wanted, not at every start.
    if (!boxesRead_) {
        viewer_.loadBoxScores();
        boxesRead_ = true;
    }
    const GameSources sources{viewer_.games, viewer_.playoffGames, viewer_.boxScores};
    const GameView view = gameView(sources, game, viewer_.settings.zone(), viewer_.gameSpoilerLine());
    const bool first = !window_;
    if (first)
        window_ = new GameWindow(mainWindow_);
    window_->showLines(gameViewLines(view));
    if (first) {
        // Beside the main window, on its right when the screen has room.
        const QRect main = mainWindow_->frameGeometry();
        QPoint place(main.right() + 8, main.top());
        if (const QScreen *screen = mainWindow_->screen();
            screen && place.x() + window_->width() > screen->availableGeometry().right())
            place.setX(std::max(screen->availableGeometry().left(), main.left() - window_->width() - 8));
        window_->move(place);
    }
    shown_ = game;
    window_->show();
    window_->raise();
}

void GameDetails::refresh()
{
    if (!window_ || !window_->isVisible())
        return;
    const GameSources sources{viewer_.games, viewer_.playoffGames, viewer_.boxScores};
    window_->showLines(gameViewLines(gameView(sources, shown_, viewer_.settings.zone(), viewer_.gameSpoilerLine())));
}

} // namespace hoopdeck::app
