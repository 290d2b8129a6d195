#include "commands.h"

#include "exit_codes.h"
#include "game_view.h"
#include "playoff_bracket.h"
#include "session.h"
#include "teams.h"

namespace hoopdeck::cli {

namespace {
// The five rows of `game --tsv`: each line score with its OT cell, each
// team's totals, then the series. What the view does not show is empty, so
// the rows keep their cells.
void printGameRows(Session &session, const GameView &view)
{
    for (size_t side = 0; side < 2; ++side) {
        QStringList cells{view.teams[side]};
        if (view.hasBox)
            cells += lineScoreCells(view.lineScore[side], true);
        else
            cells += QStringList(5) << (view.resultShown ? QString::number(view.lineScore[side][5]) : QString());
        session.printRow(cells);
    }
    for (size_t side = 0; side < 2; ++side) {
        QStringList cells{view.teams[side]};
        cells += view.hasBox ? boxTotalCells(view.boxes[side], false) : QStringList(int(boxTotalCaptions().size()));
        session.printRow(cells);
    }
    session.printRow({QStringLiteral("Series"), view.seriesText});
}

void printBracket(Session &session, const PlayoffBracket &bracket)
{
    QString round;
    for (const PlayoffSeries &series : bracket.series) {
        if (session.tsv()) {
            const size_t first = series.wins[1] > series.wins[0] ? 1 : 0;
            session.printRow({series.roundName(), teamDisplayName(series.teams[first]),
                              QString::number(series.wins[first]), teamDisplayName(series.teams[1 - first]),
                              QString::number(series.wins[1 - first])});
            continue;
        }
        if (series.roundName() != round) {
            if (!round.isEmpty())
                session.printLine(QString());
            round = series.roundName();
            session.printLine(round);
        }
        // Deeper rounds stand further right, as on a drawn bracket.
        session.printLine(QString(2 + 4 * series.round, QLatin1Char(' ')) + series.text());
    }
}
} // namespace

int runGame(Session &session, Viewer &viewer, const Request &request)
{
    loadGames(viewer);
    if (const int code = loadPlayoffGames(session, viewer))
        return code;
    if (!viewer.loadBoxScores()) {
        session.report(QStringLiteral("hoopdeck-cli: cannot read the box scores, %1").arg(viewer.paths.box));
        return ExitGameFileMissing;
    }
    placeSpoilerLine(session, viewer, request);
    const GameSources sources{viewer.games, viewer.playoffGames, viewer.boxScores};
    const GameRef game = findTeamGame(sources, dayNumber(request.date), *request.team);
    if (!game.isValid()) {
        session.report(QStringLiteral("hoopdeck-cli: %1 plays no game on %2")
                           .arg(teamDisplayName(*request.team), dayCaption(dayNumber(request.date))));
        return ExitNoSuchGame;
    }
    const GameView view = gameView(sources, game, viewer.settings.zone(), viewer.gameSpoilerLine());
    if (session.tsv()) {
        printGameRows(session, view);
        return ExitOk;
    }
    for (const QString &line : gameViewLines(view))
        session.printLine(line);
    return ExitOk;
}

int runPlayoffs(Session &session, Viewer &viewer, const Request &request)
{
    loadGames(viewer);
    if (const int code = loadPlayoffGames(session, viewer))
        return code;
    placeSpoilerLine(session, viewer, request);
    printBracket(session, playoffBracket(viewer.playoffGames, viewer.gameSpoilerLine()));
    return ExitOk;
}

} // namespace hoopdeck::cli
