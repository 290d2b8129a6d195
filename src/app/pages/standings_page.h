#pragma once

#include <QWidget>

#include <array>

class QComboBox;
class QLabel;
class QStackedWidget;

namespace hoopdeck::app {

class ColumnCaptionStrip;
class RaceChart;
class TextTableModel;
class TextTableView;

// One standings list: the column captions, the list without a header, and
// a banner naming each division laid over the blank row that opens the
// division's group.
class StandingsPanel : public QWidget {
    Q_OBJECT
public:
    // names: the list's object name; the captions' and banners' names are
    // made from it.
    StandingsPanel(TextTableModel *model, const QString &listName, const QString &bannerName,
                   QWidget *parent = nullptr);

    TextTableView *list() const { return list_; }

    // Lays each banner over its row and shows it while any of the row lies
    // in the list's visible band; the list clips the banner with the row.
    void PlaceDivisionBanners();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void followLayout();

    TextTableModel *model_;
    TextTableView *list_;
    ColumnCaptionStrip *captions_;
    std::array<QLabel *, 4> banners_{};
    bool placementQueued_ = false;
};

// The Standings tab: the title, a choice of the final standings, those on
// the day shown in Today, or the race of a division drawn day by day, and
// the chosen one.
class StandingsPage : public QWidget {
    Q_OBJECT
public:
    enum Shown { Final, OnTheDay, Race };

    StandingsPage(TextTableModel *finalModel, TextTableModel *dayModel, QWidget *parent = nullptr);

    void setTitle(const QString &title);
    // The day the second choice names ("On 12/08/2003").
    void setDayCaption(const QString &dayCaption);

    Shown shown() const;
    void choose(Shown which);
    // Without the final standings, the standings on the day show in their
    // place, and the choice is not offered.
    void allowFinal(bool allowed);

    // The divisions the race offers, the favourite's first (indexes into the
    // final list's divisions), and the one chosen.
    void setRaceDivisions(const QList<int> &divisions);
    int raceDivision() const;
    RaceChart *raceChart() const { return race_; }
    TextTableView *finalList() const { return final_->list(); }

    void PlaceDivisionBanners();

signals:
    void shownChanged(hoopdeck::app::StandingsPage::Shown shown);

private:
    QLabel *title_;
    QComboBox *choice_;
    QStackedWidget *panels_;
    StandingsPanel *final_;
    StandingsPanel *onTheDay_;
    QComboBox *division_;
    RaceChart *race_;
};

} // namespace hoopdeck::app
