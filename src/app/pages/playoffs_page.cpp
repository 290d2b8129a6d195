#include "playoffs_page.h"

#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

#include "playoff_bracket.h"
#include "season.h"
#include "teams.h"
#include "viewer.h"

namespace hoopdeck::app {

namespace {
QTableWidget *table(const QString &name, const QStringList &captions, QWidget *parent)
{
    auto *list = new QTableWidget(0, int(captions.size()), parent);
    list->setObjectName(name);
    list->setHorizontalHeaderLabels(captions);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->verticalHeader()->hide();
    list->horizontalHeader()->setStretchLastSection(true);
    list->setShowGrid(false);
    return list;
}

// "Detroit (3)": the team and its seed in its conference.
QString seededName(int team)
{
    const std::optional<PlayoffSeed> seed = playoffSeedOf(team);
    return seed ? QStringLiteral("%1 (%2)").arg(teamDisplayName(team)).arg(seed->seed) : teamDisplayName(team);
}

QTableWidgetItem *cell(const QString &text, bool bold = false)
{
    auto *item = new QTableWidgetItem(text);
    if (bold) {
        QFont font = item->font();
        font.setBold(true);
        item->setFont(font);
    }
    return item;
}
} // namespace

PlayoffsPage::PlayoffsPage(Viewer &viewer, QWidget *parent)
    : QWidget(parent), viewer_(viewer),
      series_(table(QStringLiteral("playoffSeriesList"),
                    {tr("Round"), tr("Team"), tr("W"), tr("Team"), tr("W")}, this)),
      games_(table(QStringLiteral("playoffGamesList"), {tr("Date"), tr("Game"), tr("Time"), tr("Score"), tr("Series")},
                   this))
{
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(series_, 3);
    layout->addWidget(games_, 2);
    connect(series_, &QTableWidget::currentCellChanged, this, [this](int row) { showSeries(row); });
}

void PlayoffsPage::refresh()
{
    const int current = series_->currentRow();
    const PlayoffBracket bracket = playoffBracket(viewer_.playoffGames, viewer_.gameSpoilerLine());
    series_->setRowCount(0);
    series_->setRowCount(int(bracket.series.size()));
    for (int row = 0; row < int(bracket.series.size()); ++row) {
        const PlayoffSeries &series = bracket.series[size_t(row)];
        // The team ahead first, as the series is written.
        const size_t first = series.wins[1] > series.wins[0] ? 1 : 0;
        const int winner = series.winner();
        series_->setItem(row, 0, cell(series.roundName()));
        series_->setItem(row, 1, cell(seededName(series.teams[first]), series.teams[first] == winner));
        series_->setItem(row, 2, cell(QString::number(series.wins[first])));
        series_->setItem(row, 3, cell(seededName(series.teams[1 - first]), series.teams[1 - first] == winner));
        series_->setItem(row, 4, cell(QString::number(series.wins[1 - first])));
    }
    series_->resizeColumnsToContents();
    if (current >= 0 && current < series_->rowCount())
        series_->setCurrentCell(current, 0);
    else
        showSeries(-1);
}

void PlayoffsPage::showSeries(int row)
{
    games_->setRowCount(0);
    const PlayoffBracket bracket = playoffBracket(viewer_.playoffGames, viewer_.gameSpoilerLine());
    if (row < 0 || row >= int(bracket.series.size()))
        return;
    const PlayoffSeries &series = bracket.series[size_t(row)];
    const SpoilerLine line = viewer_.gameSpoilerLine();
    for (const SeriesGame &each : series.games) {
        const SeasonGame &game = viewer_.playoffGames[size_t(each.index)];
        const GameClockTexts texts = gameClockTexts(game.time, viewer_.settings.zone());
        const std::optional<GameResult> result = line.resultOf(game);
        const int at = games_->rowCount();
        games_->insertRow(at);
        games_->setItem(at, 0, cell(QString(texts.dateText())));
        games_->setItem(at, 1, cell(gameText(game.visitor, game.home)));
        games_->setItem(at, 2, cell(QString(texts.timeText())));
        games_->setItem(at, 3, cell(result ? scoreText(*result) : QString()));
        games_->setItem(at, 4, cell(result ? seriesStateText(series.teams, each.wins) : QString()));
    }
    games_->resizeColumnsToContents();
}

} // namespace hoopdeck::app
