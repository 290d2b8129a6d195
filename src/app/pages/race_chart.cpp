#include "race_chart.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>

#include <algorithm>

#include "game_time.h"
#include "standings_on_day.h"
#include "teams.h"

namespace hoopdeck::app {

namespace {
constexpr int kHalfGamesPerGridLine = 10;  // a grid line every five games
constexpr int kMargin = 10;

// Hues far apart for the up to seven teams of a division.
constexpr int kHues[] = {210, 0, 120, 35, 280, 175, 320, 60};
} // namespace

RaceChart::RaceChart(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("raceChart"));
    setAccessibleName(tr("Division race: games behind the first team, day by day"));
    setMouseTracking(false);
    setCursor(Qt::CrossCursor);
}

void RaceChart::setRace(const DivisionRace &race, int favoriteTeam, int shownDay)
{
    race_ = race;
    favoriteTeam_ = favoriteTeam;
    shownDay_ = shownDay;
    leastBehind_ = 0;
    mostBehind_ = kHalfGamesPerGridLine;
    for (const RaceLine &line : race_.lines) {
        for (int behind : line.halfGamesBehind) {
            leastBehind_ = std::min(leastBehind_, behind);
            mostBehind_ = std::max(mostBehind_, behind);
        }
    }
    update();
}

QRectF RaceChart::plotArea() const
{
    const QFontMetrics metrics = fontMetrics();
    int names = 0;
    for (const RaceLine &line : race_.lines)
        names = std::max(names, metrics.horizontalAdvance(teamDisplayName(line.team)));
    const qreal left = kMargin + metrics.horizontalAdvance(QStringLiteral("00")) + 6;
    const qreal right = width() - kMargin - names - 6;
    const qreal top = kMargin + metrics.height();
    const qreal bottom = height() - kMargin - metrics.height() - 4;
    return QRectF(QPointF(left, top), QPointF(std::max(left + 1, right), std::max(top + 1, bottom)));
}

qreal RaceChart::xOfDay(int day) const
{
    const QRectF area = plotArea();
    const int span = std::max(1, race_.lastDay - race_.firstDay);
    return area.left() + area.width() * (day - race_.firstDay) / span;
}

qreal RaceChart::yOfHalfGames(int halfGames) const
{
    const QRectF area = plotArea();
    const int span = std::max(1, mostBehind_ - leastBehind_);
    return area.top() + area.height() * (halfGames - leastBehind_) / span;
}

int RaceChart::dayAt(qreal x) const
{
    const QRectF area = plotArea();
    const int span = race_.lastDay - race_.firstDay;
    const int day = race_.firstDay + qRound((x - area.left()) / std::max<qreal>(1, area.width()) * span);
    return std::clamp(day, race_.firstDay, race_.lastDay);
}

// Lines bright on a dark base and deep on a light one, so that both read.
QColor RaceChart::lineColor(int index) const
{
    const bool dark = palette().color(QPalette::Base).lightness() < 128;
    return QColor::fromHsv(kHues[size_t(index) % std::size(kHues)], dark ? 150 : 230, dark ? 255 : 190);
}

void RaceChart::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), palette().color(QPalette::Base));
    const QColor text = palette().color(QPalette::Text);
    if (race_.firstDay == 0) {
        painter.setPen(text);
        painter.drawText(rect(), Qt::AlignCenter, tr("No games to draw."));
        return;
    }
    const QRectF area = plotArea();
    const QFontMetrics metrics = fontMetrics();

    // Games behind down the side, a grid line every five.
    QColor grid = text;
    grid.setAlphaF(0.18f);
    for (int half = (leastBehind_ / kHalfGamesPerGridLine) * kHalfGamesPerGridLine; half <= mostBehind_;
         half += kHalfGamesPerGridLine) {
        const qreal y = yOfHalfGames(half);
        painter.setPen(QPen(grid, 1));
        painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
        painter.setPen(text);
        painter.drawText(QRectF(kMargin, y - metrics.height() / 2.0, area.left() - kMargin - 4, metrics.height()),
                         Qt::AlignRight | Qt::AlignVCenter, QString::number(half / 2));
    }
    // The months along the bottom; a month cut too short for its name (the
    // season's first days) keeps its mark only.
    QDate month = dateOfDayNumber(race_.firstDay);
    month = QDate(month.year(), month.month(), 1);
    for (; dayNumber(month) <= race_.lastDay; month = month.addMonths(1)) {
        const qreal x = xOfDay(std::max(dayNumber(month), race_.firstDay));
        const qreal next = xOfDay(std::min(dayNumber(month.addMonths(1)), race_.lastDay));
        painter.setPen(QPen(grid, 1));
        painter.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom() + 4));
        const QString name = QLocale::c().monthName(month.month(), QLocale::ShortFormat);
        if (next - x < metrics.horizontalAdvance(name) + 6)
            continue;
        painter.setPen(text);
        painter.drawText(QPointF(x + 3, area.bottom() + 4 + metrics.ascent()), name);
    }
    painter.setPen(QPen(text, 1));
    painter.drawRect(area);

    // The day shown in Today.
    if (shownDay_ >= race_.firstDay && shownDay_ <= race_.lastDay) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
        painter.drawLine(QPointF(xOfDay(shownDay_), area.top()), QPointF(xOfDay(shownDay_), area.bottom()));
    }

    // The lines, the favourite's last so that it lies on top.
    struct End {
        qreal y;
        int index;
    };
    std::vector<End> ends;
    std::vector<int> order(race_.lines.size());
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = int(i);
    std::stable_partition(order.begin(), order.end(), [&](int i) { return race_.lines[size_t(i)].team != favoriteTeam_; });
    for (int i : order) {
        const RaceLine &line = race_.lines[size_t(i)];
        if (line.halfGamesBehind.empty())
            continue;
        QPainterPath path(QPointF(xOfDay(race_.firstDay), yOfHalfGames(line.halfGamesBehind.front())));
        for (size_t d = 1; d < line.halfGamesBehind.size(); ++d)
            path.lineTo(xOfDay(race_.firstDay + int(d)), yOfHalfGames(line.halfGamesBehind[d]));
        const bool favorite = line.team == favoriteTeam_;
        painter.setPen(QPen(lineColor(i), favorite ? 3.5 : 1.5));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(path);
        ends.push_back({yOfHalfGames(line.halfGamesBehind.back()), i});
    }
    // Names at the lines' ends, pushed apart where lines end close together.
    std::sort(ends.begin(), ends.end(), [](const End &a, const End &b) { return a.y < b.y; });
    qreal next = area.top() - metrics.height();
    const qreal x = xOfDay(race_.shownThrough) + 6;
    for (const End &end : ends) {
        const qreal y = std::max(end.y, next + metrics.height());
        next = y;
        const RaceLine &line = race_.lines[size_t(end.index)];
        QFont font = painter.font();
        font.setBold(line.team == favoriteTeam_);
        painter.setFont(font);
        painter.setPen(lineColor(end.index));
        painter.drawText(QPointF(x, y + metrics.ascent() / 2.0 - 1), teamDisplayName(line.team));
    }
}

void RaceChart::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || race_.firstDay == 0 || !plotArea().contains(event->position()))
        return QWidget::mousePressEvent(event);
    emit dayPicked(dayAt(event->position().x()));
}

bool RaceChart::event(QEvent *event)
{
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    auto *help = static_cast<QHelpEvent *>(event);
    const int day = race_.isEmpty() ? 0 : dayAt(help->pos().x());
    const size_t index = size_t(day - race_.firstDay);
    const RaceLine *nearest = nullptr;
    qreal distance = 0;
    for (const RaceLine &line : race_.lines) {
        if (day == 0 || day > race_.shownThrough || index >= line.halfGamesBehind.size())
            continue;
        const qreal d = std::abs(yOfHalfGames(line.halfGamesBehind[index]) - help->pos().y());
        if (!nearest || d < distance) {
            nearest = &line;
            distance = d;
        }
    }
    if (!nearest || !plotArea().contains(help->pos())) {
        QToolTip::hideText();
        event->ignore();
        return true;
    }
    const int behind = nearest->halfGamesBehind[index];
    const QString place = behind == 0 ? tr("first") : tr("%1 games behind").arg(gamesBehindText(behind));
    QToolTip::showText(help->globalPos(),
                       tr("%1, %2: %3-%4, %5")
                           .arg(teamDisplayName(nearest->team), dayCaption(day))
                           .arg(nearest->won[index])
                           .arg(nearest->lost[index])
                           .arg(place),
                       this);
    return true;
}

} // namespace hoopdeck::app
