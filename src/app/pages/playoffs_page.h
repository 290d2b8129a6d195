#pragma once

#include <QWidget>

class QTableWidget;

namespace hoopdeck {
struct Viewer;
}

namespace hoopdeck::app {

// The Playoffs tab: the bracket's series, round by round, the winner in
// bold; choosing a series lists its games with the series after each.
class PlayoffsPage : public QWidget {
    Q_OBJECT
public:
    explicit PlayoffsPage(Viewer &viewer, QWidget *parent = nullptr);

    // Fills the series again from the viewer's playoff games, as far as the
    // results shown reach.
    void refresh();

private:
    void showSeries(int row);

    Viewer &viewer_;
    QTableWidget *series_;
    QTableWidget *games_;
};

} // namespace hoopdeck::app
