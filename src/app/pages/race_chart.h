#pragma once

#include <QWidget>

#include "division_race.h"

namespace hoopdeck::app {

// The race of one division drawn as lines: games behind the division's
// first team on every day of the season (the first team's line on zero,
// more games behind lower down), the favourite's line bold, the teams'
// names at the lines' ends, the months along the bottom and a line at the
// day shown in Today. A click picks the day under the pointer; the tooltip
// names the team, the day and its record there.
class RaceChart : public QWidget {
    Q_OBJECT
public:
    explicit RaceChart(QWidget *parent = nullptr);

    void setRace(const DivisionRace &race, int favoriteTeam, int shownDay);

    QSize sizeHint() const override { return {680, 440}; }
    QSize minimumSizeHint() const override { return {320, 220}; }

signals:
    void dayPicked(int dayNumber);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    bool event(QEvent *event) override;

private:
    QRectF plotArea() const;
    qreal xOfDay(int day) const;
    qreal yOfHalfGames(int halfGames) const;
    int dayAt(qreal x) const;
    QColor lineColor(int index) const;

    DivisionRace race_;
    int favoriteTeam_ = -1;
    int shownDay_ = 0;
    int leastBehind_ = 0;  // the lines' range, in half games
    int mostBehind_ = 0;
};

} // namespace hoopdeck::app
