#pragma once

#include <QWidget>

#include <array>

class QLabel;

namespace hoopdeck::app {

class ColumnCaptionStrip;
class TextTableModel;
class TextTableView;

// The Standings tab: the title, the column captions, the list without a
// header, and a banner naming each division laid over the blank row that
// opens the division's group.
class StandingsPage : public QWidget {
    Q_OBJECT
public:
    explicit StandingsPage(TextTableModel *model, QWidget *parent = nullptr);

    void setTitle(const QString &title);

    // Lays each banner over its row and shows it while any of the row lies
    // in the list's visible band; the list clips the banner with the row.
    void PlaceDivisionBanners();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void followLayout();

    TextTableModel *model_;
    QLabel *title_;
    TextTableView *list_;
    ColumnCaptionStrip *captions_;
    std::array<QLabel *, 4> banners_{};
    bool placementQueued_ = false;
};

} // namespace hoopdeck::app
