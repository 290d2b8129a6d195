#include <QByteArray>

#include "box_score.h"
#include "fuzz_check.h"
#include "fuzz_targets.h"
#include "game_view.h"
#include "season.h"

namespace hoopdeck::fuzz {

namespace {
// The input is games in the lines of Season.dat, a line "--", then Box.dat's
// lines: the boxes are checked against those games.
const QByteArray kSeparator = "\n--\n";

const GameResult *resultOf(const SeasonGames &games, const BoxScore &box)
{
    for (const SeasonGame &game : games) {
        if (game.isLeagueGame() && game.result && game.day == box.day && game.visitor == box.visitor
            && game.home == box.home)
            return &*game.result;
    }
    return nullptr;
}
} // namespace

int boxTarget(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const qsizetype cut = bytes.indexOf(kSeparator);
    const QByteArray gameBytes = cut < 0 ? QByteArray() : bytes.left(cut + 1);
    const QByteArray boxBytes = cut < 0 ? bytes : bytes.mid(cut + kSeparator.size());
    TextTable scheduleTable{ScheduleColumnCount};
    SeasonGames games;
    loadSeasonFromBytes(gameBytes, scheduleTable, games);
    BoxScores boxes;
    loadBoxScoresFromBytes(boxBytes, games, {}, boxes);
    FUZZ_EXPECT(qsizetype(boxes.size()) <= boxBytes.count('\n') + 1, QString::number(boxes.size()));
    // Every box kept makes its game's score both ways.
    for (const BoxScore &box : boxes) {
        const GameResult *result = resultOf(games, box);
        const QString detail = QStringLiteral("%1 %2 %3").arg(box.day).arg(box.visitor).arg(box.home);
        FUZZ_EXPECT(result, detail);
        FUZZ_EXPECT(box.visitorBox.points() == result->visitorPoints && box.homeBox.points() == result->homePoints,
                    detail);
        FUZZ_EXPECT(box.visitorBox.shotPoints() == result->visitorPoints
                        && box.homeBox.shotPoints() == result->homePoints,
                    detail);
    }
    // The view of every game with a box shows its line score and totals.
    const SeasonGames none;
    const GameSources sources{games, none, boxes};
    for (int index = 0; index < int(games.size()) && index < 64; ++index) {
        const GameView view = gameView(sources, {false, index}, {}, {});
        const bool boxed = findBoxScore(boxes, games[size_t(index)]) != nullptr;
        // A box is shown with the result it was checked against, never without one.
        FUZZ_EXPECT(view.hasBox == (boxed && view.resultShown), view.matchup);
        const QStringList lines = gameViewLines(view);
        for (const QString &text : lines)
            FUZZ_EXPECT(!text.contains(QLatin1Char('\n')), view.matchup);
        if (view.hasBox)
            FUZZ_EXPECT(lines.size() >= 12, view.matchup);
    }
    return 0;
}

} // namespace hoopdeck::fuzz
