// Single games and the playoffs: Playoffs.dat and Box.dat read and checked,
// the bracket the playoff games make, and one game's view as text.

#include <QtTest>

#include "box_score.h"
#include "game_rows.h"
#include "game_view.h"
#include "games_by_date_view.h"
#include "playoff_bracket.h"
#include "playoff_games.h"
#include "season.h"
#include "season_list_view.h"
#include "season_file.h"
#include "table_text.h"
#include "team_schedule_view.h"
#include "teams.h"

using namespace hoopdeck;

namespace {
struct Bundled {
    SeasonGames season;
    SeasonGames playoffs;
    BoxScores boxes;
    bool complete = false;
};

TeamScheduleRows teamRows(const Bundled &data, int team)
{
    TeamScheduleRows rows;
    rows.fill(data.season, team, {}, {}, &data.playoffs);
    return rows;
}

SeasonListRows seasonRows(const Bundled &data)
{
    SeasonListRows rows;
    rows.fill(data.season, {}, {});
    return rows;
}

const Bundled &bundled()
{
    static const Bundled data = [] {
        Bundled loaded;
        TextTable scheduleTable{ScheduleColumnCount};
        loaded.complete = loadSeasonFromBytes(seasonFile("Season.dat"), scheduleTable, loaded.season)
                          && loadPlayoffsFromBytes(seasonFile("Playoffs.dat"), loaded.playoffs)
                          && loadBoxScoresFromBytes(seasonFile("Box.dat"), loaded.season, loaded.playoffs, loaded.boxes);
        return loaded;
    }();
    return data;
}

int day(int month, int dayOfMonth, int year)
{
    return dayNumber(QDate(year, month, dayOfMonth));
}

// The first line of the bundled Box.dat, which belongs to the season's first game.
const QByteArray kSeasonLine = "10/28/2003 19:00,13,20,74,89\n";
const QByteArray kBoxLine = "10/28/2003,13,20,19,20,23,12,0,24,20,21,24,0,29,71,2,8,14,17,12,32,16,3,2,19,22,33,75,"
                            "7,20,16,30,12,27,25,12,3,8,19";

QByteArray withField(int field, const QByteArray &value)
{
    QList<QByteArray> fields = kBoxLine.split(',');
    fields[field] = value;
    return fields.join(',');
}
} // namespace

class GamesTest : public QObject {
    Q_OBJECT
private slots:
    void bundledFilesAreReadWhole()
    {
        const Bundled &data = bundled();
        QVERIFY(data.complete);
        QCOMPARE(data.playoffs.size(), size_t(82));
        QCOMPARE(data.boxes.size(), size_t(1271));
        int overtimes = 0;
        for (const SeasonGame &game : data.playoffs) {
            QVERIFY(game.isLeagueGame());
            QVERIFY(game.result.has_value());
            QVERIFY(game.day > day(4, 14, 2004));
            overtimes += game.result->overtimes > 0;
        }
        QCOMPARE(overtimes, 4);
    }

    // Every game of both files, in their order, has its box, and its periods
    // and shots make the score the schedule gives.
    void everyBoxAddsUpToTheScore()
    {
        const Bundled &data = bundled();
        size_t next = 0;
        for (const SeasonGames *games : {&data.season, &data.playoffs}) {
            for (const SeasonGame &game : *games) {
                if (!game.isLeagueGame())
                    continue;
                QVERIFY(next < data.boxes.size());
                const BoxScore &box = data.boxes[next++];
                QCOMPARE(box.day, game.day);
                QCOMPARE(box.visitor, game.visitor);
                QCOMPARE(box.home, game.home);
                QCOMPARE(box.visitorBox.points(), qint64(game.result->visitorPoints));
                QCOMPARE(box.homeBox.points(), qint64(game.result->homePoints));
                QCOMPARE(box.visitorBox.shotPoints(), qint64(game.result->visitorPoints));
                QCOMPARE(box.homeBox.shotPoints(), qint64(game.result->homePoints));
                QCOMPARE(box.visitorBox.periods[4] > 0, game.result->overtimes > 0);
                QCOMPARE(findBoxScore(data.boxes, game), &box);
            }
        }
        QCOMPARE(next, data.boxes.size());
    }

    void malformedBoxLines_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<int>("kept");
        QTest::newRow("as bundled") << kBoxLine << 1;
        QTest::newRow("CRLF") << kBoxLine + "\r\n" << 1;
        QTest::newRow("one field short") << kBoxLine.left(kBoxLine.lastIndexOf(',')) << 0;
        QTest::newRow("one field more") << kBoxLine + ",0" << 0;
        QTest::newRow("doubled comma") << QByteArray(kBoxLine).replace(",0,", ",,") << 0;
        QTest::newRow("letters") << withField(5, "2x") << 0;
        QTest::newRow("sign") << withField(5, "+23") << 0;
        QTest::newRow("negative") << withField(7, "-0") << 0;
        QTest::newRow("blank") << withField(5, " 23") << 0;
        QTest::newRow("beyond 32 bits") << withField(7, "4294967296") << 0;
        QTest::newRow("quarter off by one") << withField(3, "20") << 0;
        QTest::newRow("home quarter off by one") << withField(8, "25") << 0;
        QTest::newRow("overtime points in regulation") << withField(12, "2") << 0;
        QTest::newRow("points the shots do not make") << withField(17, "15") << 0;
        QTest::newRow("home shots") << withField(30, "17") << 0;
        QTest::newRow("field goals and threes balanced") << withField(13, "28").replace(",2,8,", ",4,8,") << 1;
        QTest::newRow("another day") << withField(0, "10/29/2003") << 0;
        QTest::newRow("no real day") << withField(0, "2/30/2004") << 0;
        QTest::newRow("date with a time") << withField(0, "10/28/2003 19:00") << 0;
        QTest::newRow("teams swapped") << withField(1, "20").replace(",20,20,", ",20,13,") << 0;
        QTest::newRow("team out of range") << withField(1, "29") << 0;
        QTest::newRow("All-Star team") << withField(1, "-1") << 0;
        QTest::newRow("twice") << kBoxLine + "\n" + kBoxLine << 2;
        QTest::newRow("after a bad line") << withField(3, "0") + "\n" + kBoxLine << 1;
        QTest::newRow("blank lines") << "\n\n" + kBoxLine + "\n\n" << 1;
    }
    void malformedBoxLines()
    {
        QFETCH(QByteArray, line);
        QFETCH(int, kept);
        TextTable scheduleTable{ScheduleColumnCount};
        SeasonGames season;
        QVERIFY(loadSeasonFromBytes(kSeasonLine, scheduleTable, season));
        BoxScores boxes;
        QVERIFY(loadBoxScoresFromBytes(line, season, {}, boxes));
        QCOMPARE(int(boxes.size()), kept);
    }

    // A box needs a result to be checked against: a game without one has none.
    void boxOfAGameWithoutResult()
    {
        TextTable scheduleTable{ScheduleColumnCount};
        SeasonGames season;
        QVERIFY(loadSeasonFromBytes("10/28/2003 19:00,13,20\n", scheduleTable, season));
        BoxScores boxes;
        QVERIFY(loadBoxScoresFromBytes(kBoxLine, season, {}, boxes));
        QCOMPARE(boxes.size(), size_t(0));
        QVERIFY(!loadBoxScores(QStringLiteral("/no/such/Box.dat"), season, {}, boxes));
    }

    void bracket_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("round");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("winner");
        const char *const rows[][3] = {
            {"East First Round", "Indiana 4, Boston 0", "Indiana"},
            {"East First Round", "Miami 4, New Orleans 3", "Miami"},
            {"East First Round", "Detroit 4, Milwaukee 1", "Detroit"},
            {"East First Round", "New Jersey 4, New York 0", "New Jersey"},
            {"East Semifinals", "Indiana 4, Miami 2", "Indiana"},
            {"East Semifinals", "Detroit 4, New Jersey 3", "Detroit"},
            {"East Finals", "Detroit 4, Indiana 2", "Detroit"},
            {"West First Round", "Minnesota 4, Denver 1", "Minnesota"},
            {"West First Round", "Sacramento 4, Dallas 1", "Sacramento"},
            {"West First Round", "San Antonio 4, Memphis 0", "San Antonio"},
            {"West First Round", "L.A. Lakers 4, Houston 1", "L.A. Lakers"},
            {"West Semifinals", "Minnesota 4, Sacramento 3", "Minnesota"},
            {"West Semifinals", "L.A. Lakers 4, San Antonio 2", "L.A. Lakers"},
            {"West Finals", "L.A. Lakers 4, Minnesota 2", "L.A. Lakers"},
            {"Finals", "Detroit 4, L.A. Lakers 1", "Detroit"},
        };
        for (int i = 0; i < 15; ++i)
            QTest::addRow("%d %s", i, rows[i][1]) << i << rows[i][0] << rows[i][1] << rows[i][2];
    }
    void bracket()
    {
        QFETCH(int, position);
        QFETCH(QString, round);
        QFETCH(QString, text);
        QFETCH(QString, winner);
        const PlayoffBracket bracket = playoffBracket(bundled().playoffs);
        QCOMPARE(bracket.series.size(), size_t(15));
        const PlayoffSeries &series = bracket.series[size_t(position)];
        QCOMPARE(series.roundName(), round);
        QCOMPARE(series.text(), text);
        QCOMPARE(teamDisplayName(series.winner()), winner);
        QCOMPARE(series.wins[0] + series.wins[1], int(series.games.size()));
        // The last game is the one that gave the winner its fourth win, and
        // the games follow each other in the file.
        QCOMPARE(std::max(series.games.back().wins[0], series.games.back().wins[1]), kWinsToTakeSeries);
        for (size_t i = 1; i < series.games.size(); ++i)
            QVERIFY(series.games[i].index > series.games[i - 1].index);
        QVERIFY(series.loser() >= 0 && series.loser() != series.winner());
    }

    // The winners of each round, and no one else, play the next.
    void roundsFollowOneAnother()
    {
        const PlayoffBracket bracket = playoffBracket(bundled().playoffs);
        QSet<int> winners, players;
        for (const PlayoffSeries &series : bracket.series) {
            if (series.round == 0)
                continue;
            players << series.teams[0] << series.teams[1];
        }
        for (const PlayoffSeries &series : bracket.series) {
            if (series.round < kFinalsRound)
                winners << series.winner();
        }
        QCOMPARE(players, winners);
        QCOMPARE(bracket.series.back().round, kFinalsRound);
        QVERIFY(!bracket.series.back().conference.has_value());
    }

    void bracketUpToADay_data()
    {
        QTest::addColumn<int>("lastDay");
        QTest::addColumn<int>("seriesShown");
        QTest::addColumn<int>("gamesCounted");
        QTest::newRow("last day of the season") << day(4, 14, 2004) << 0 << 0;
        QTest::newRow("first playoff day") << day(4, 17, 2004) << 4 << 4;
        QTest::newRow("second playoff day") << day(4, 18, 2004) << 8 << 8;
        QTest::newRow("day of the last game") << day(6, 15, 2004) << 15 << 82;
    }
    void bracketUpToADay()
    {
        QFETCH(int, lastDay);
        QFETCH(int, seriesShown);
        QFETCH(int, gamesCounted);
        const PlayoffBracket bracket = playoffBracket(bundled().playoffs, SpoilerLine{lastDay});
        QCOMPARE(int(bracket.series.size()), seriesShown);
        int counted = 0;
        for (const PlayoffSeries &series : bracket.series)
            counted += series.wins[0] + series.wins[1];
        QCOMPARE(counted, gamesCounted);
    }

    void seriesState_data()
    {
        QTest::addColumn<int>("firstWins");
        QTest::addColumn<int>("secondWins");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("firstSide");  // the same from the first team's side
        QTest::newRow("none yet") << 0 << 0 << "Series tied 0-0" << "Tied 0-0";
        QTest::newRow("tied") << 1 << 1 << "Series tied 1-1" << "Tied 1-1";
        QTest::newRow("first leads") << 2 << 1 << "Detroit leads 2-1" << "Leads 2-1";
        QTest::newRow("second leads") << 0 << 3 << "L.A. Lakers leads 3-0" << "Trails 0-3";
        QTest::newRow("first wins") << 4 << 1 << "Detroit wins 4-1" << "Won 4-1";
        QTest::newRow("second wins in seven") << 3 << 4 << "L.A. Lakers wins 4-3" << "Lost 3-4";
    }
    void seriesState()
    {
        QFETCH(int, firstWins);
        QFETCH(int, secondWins);
        QFETCH(QString, text);
        QFETCH(QString, firstSide);
        QCOMPARE(seriesStateText({6, 11}, {firstWins, secondWins}), text);
        QCOMPARE(teamSeriesText(firstWins, secondWins), firstSide);
    }

    void gameLabels_data()
    {
        QTest::addColumn<int>("gameDay");
        QTest::addColumn<QString>("team");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("state");
        QTest::newRow("first game") << day(4, 17, 2004) << "Boston" << "East First Round, game 1" << "Indiana leads 1-0";
        QTest::newRow("East final, game 6") << day(6, 1, 2004) << "Detroit" << "East Finals, game 6" << "Detroit wins 4-2";
        QTest::newRow("West final, game 2") << day(5, 23, 2004) << "Minnesota" << "West Finals, game 2" << "Series tied 1-1";
        QTest::newRow("Finals, game 5") << day(6, 15, 2004) << "Detroit" << "Finals, game 5" << "Detroit wins 4-1";
        QTest::newRow("regular season") << day(10, 28, 2003) << "Miami" << "" << "Philadelphia leads the season series 1-0";
    }
    void gameLabels()
    {
        QFETCH(int, gameDay);
        QFETCH(QString, team);
        QFETCH(QString, label);
        QFETCH(QString, state);
        const Bundled &data = bundled();
        const GameSources sources{data.season, data.playoffs, data.boxes};
        const GameRef game = findTeamGame(sources, gameDay, *teamFromText(team));
        QVERIFY(game.isValid());
        const GameView view = gameView(sources, game, {}, {});
        QCOMPARE(view.seriesLabel, label);
        QCOMPARE(view.seriesText, state);
    }

    void gameViewText_data()
    {
        QTest::addColumn<int>("gameDay");
        QTest::addColumn<QString>("team");
        QTest::addColumn<int>("lastDay");  // 0: every result shown
        QTest::addColumn<int>("offsetHours");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("regular season") << day(10, 28, 2003) << "Philadelphia" << 0 << 0 << QStringList{
            "Miami @ Philadelphia",
            "10/28/2003 7:00p",
            "Final: 74-89",
            "",
            "               1   2   3   4   T",
            "Miami         19  20  23  12  74",
            "Philadelphia  24  20  21  24  89",
            "",
            "                      FG         3P          FT  OREB  DREB  REB  AST  STL  BLK  TOV  PF",
            "Miami         29-71 .408   2-8 .250  14-17 .824    12    32   44   16    3    2   19  22",
            "Philadelphia  33-75 .440  7-20 .350  16-30 .533    12    27   39   25   12    3    8  19",
            "",
            "Before: Miami 0-0, Philadelphia 0-0",
            "After: Miami 0-1, Philadelphia 1-0",
            "Series: Philadelphia leads the season series 1-0",
            "Next meeting: 12/05/2003 Philadelphia @ Miami 7:30p"};
        QTest::newRow("overtime, Pacific time") << day(10, 29, 2003) << "New York" << 0 << -3 << QStringList{
            "Orlando @ New York",
            "10/29/2003 5:00p",
            "Final: 85-83 OT",
            "",
            "           1   2   3   4  OT   T",
            "Orlando   17  17  17  22  12  85",
            "New York  19  15  25  14  10  83",
            "",
            "                  FG         3P          FT  OREB  DREB  REB  AST  STL  BLK  TOV  PF",
            "Orlando   32-87 .368  5-20 .250  16-29 .552    12    32   44   17   11    4   17  18",
            "New York  32-80 .400  5-16 .313  14-17 .824     8    40   48   20    8    6   27  22",
            "",
            "Before: Orlando 0-0, New York 0-0",
            "After: Orlando 1-0, New York 0-1",
            "Series: Orlando leads the season series 1-0",
            "Next meeting: 11/03/2003 New York @ Orlando 4:00p"};
        // Boston's last game: the record after it is the final one.
        QTest::newRow("beyond the spoiler line") << day(4, 14, 2004) << "Boston" << day(4, 13, 2004) << 0
                                                 << QStringList{"Atlanta @ Boston", "04/14/2004 7:00p", "",
                                                                "Before: Atlanta 28-53, Boston 35-46"};
        QTest::newRow("on the spoiler line") << day(4, 14, 2004) << "Boston" << day(4, 14, 2004) << 0
                                             << QStringList{};
    }
    void gameViewText()
    {
        QFETCH(int, gameDay);
        QFETCH(QString, team);
        QFETCH(int, lastDay);
        QFETCH(int, offsetHours);
        QFETCH(QStringList, lines);
        const Bundled &data = bundled();
        const GameSources sources{data.season, data.playoffs, data.boxes};
        const GameRef game = findTeamGame(sources, gameDay, *teamFromText(team));
        QVERIFY(game.isValid());
        const SpoilerLine line = lastDay ? SpoilerLine{lastDay} : SpoilerLine{};
        const GameView view = gameView(sources, game, {offsetHours, kDefaultZoneIndex}, line);
        if (lines.isEmpty()) {
            QVERIFY(view.resultShown);
            QVERIFY(gameViewLines(view).contains("After: Atlanta 28-54, Boston 36-46"));
            return;
        }
        QCOMPARE(gameViewLines(view), lines);
    }

    // Without its box a game shows what Season.dat has.
    void gameWithoutBox()
    {
        TextTable scheduleTable{ScheduleColumnCount};
        SeasonGames season;
        QVERIFY(loadSeasonFromBytes(kSeasonLine + "12/5/2003 19:30,20,13,90,88,2OT\n", scheduleTable, season));
        const GameSources sources{season, {}, {}};
        const GameView view = gameView(sources, findTeamGame(sources, day(12, 5, 2003), 13), {}, {});
        QVERIFY(!view.hasBox);
        QCOMPARE(gameViewLines(view),
                 (QStringList{"Philadelphia @ Miami", "12/05/2003 7:30p", "Final: 90-88 2OT", "",
                              "Before: Philadelphia 1-0, Miami 0-1", "After: Philadelphia 2-0, Miami 0-2",
                              "Series: Philadelphia leads the season series 2-0", "Next meeting: none"}));
        QVERIFY(!findTeamGame(sources, day(12, 6, 2003), 13).isValid());
        QVERIFY(!findTeamGame(sources, day(12, 5, 2003), 1).isValid());
    }

    // A row of Today, Team or Season stands for the game the list shows there.
    void rowGames_data()
    {
        QTest::addColumn<QString>("list");  // "day", "team" or "season"
        QTest::addColumn<int>("key");       // the day or the team
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("matchup");  // empty: no game
        QTest::newRow("first of the season") << "season" << 0 << 0 << "Miami @ Philadelphia";
        QTest::newRow("season, third") << "season" << 0 << 2 << "Dallas @ L.A. Lakers";
        QTest::newRow("season, the All-Star Game") << "season" << 0 << 759 << "All-Star Game @ All-Star Game";
        QTest::newRow("season, last") << "season" << 0 << 1189 << "Sacramento @ Golden State";
        QTest::newRow("season, past the end") << "season" << 0 << 1190 << "";
        QTest::newRow("team, first") << "team" << 11 << 0 << "Dallas @ L.A. Lakers";
        QTest::newRow("team, last") << "team" << 1 << 81 << "Atlanta @ Boston";
        QTest::newRow("team, the row opening the playoffs") << "team" << 1 << 82 << "";
        QTest::newRow("team, first playoff game") << "team" << 1 << 83 << "Boston @ Indiana";
        QTest::newRow("team, last playoff game") << "team" << 1 << 86 << "Indiana @ Boston";
        QTest::newRow("team, past the end") << "team" << 1 << 87 << "";
        QTest::newRow("team out of the playoffs, past the end") << "team" << 0 << 83 << "";
        QTest::newRow("day, second") << "day" << day(10, 28, 2003) << 1 << "Phoenix @ San Antonio";
        QTest::newRow("playoff day") << "day" << day(4, 17, 2004) << 3 << "Houston @ L.A. Lakers";
        QTest::newRow("playoff day, past its games") << "day" << day(4, 17, 2004) << 4 << "";
        QTest::newRow("no games") << "day" << day(4, 16, 2004) << 0 << "";
        QTest::newRow("negative row") << "day" << day(4, 17, 2004) << -1 << "";
    }
    void rowGames()
    {
        QFETCH(QString, list);
        QFETCH(int, key);
        QFETCH(int, row);
        QFETCH(QString, matchup);
        const Bundled &data = bundled();
        const GameRef game = list == "season" ? seasonRows(data).game(row)
                             : list == "team" ? teamRows(data, key).game(row)
                                              : gameOfDayRow(data.season, data.playoffs, key, row);
        QCOMPARE(game.isValid(), !matchup.isEmpty());
        if (!game.isValid())
            return;
        const SeasonGame &played = (game.playoff ? data.playoffs : data.season)[size_t(game.index)];
        QCOMPARE(gameText(played.visitor, played.home), matchup);
        QCOMPARE(game.playoff, list == "day" ? key > day(4, 14, 2004) : list == "team" && row > 82);
    }

    void madeAttempted_data()
    {
        QTest::addColumn<int>("made");
        QTest::addColumn<int>("attempted");
        QTest::addColumn<QString>("text");
        QTest::newRow("share") << 29 << 71 << "29-71 .408";
        QTest::newRow("rounded up") << 2 << 3 << "2-3 .667";
        QTest::newRow("every one") << 4 << 4 << "4-4 1.000";
        QTest::newRow("none made") << 0 << 5 << "0-5 .000";
        QTest::newRow("none tried") << 0 << 0 << "0-0 -";
    }
    void madeAttempted()
    {
        QFETCH(int, made);
        QFETCH(int, attempted);
        QFETCH(QString, text);
        QCOMPARE(madeAttemptedText(made, attempted, true), text);
        QCOMPARE(madeAttemptedText(made, attempted, false), text.section(' ', 0, 0));
    }

    void todayListsPlayoffDays_data()
    {
        QTest::addColumn<int>("listed");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("last day of the season") << day(4, 14, 2004) << QStringList{};
        QTest::newRow("first playoff day") << day(4, 17, 2004)
                                           << QStringList{"Boston @ Indiana (East First Round, game 1)|2:00p|88-104",
                                                          "New York @ New Jersey (East First Round, game 1)|4:30p|83-107",
                                                          "Memphis @ San Antonio (West First Round, game 1)|8:00p|74-98",
                                                          "Houston @ L.A. Lakers (West First Round, game 1)|10:30p|71-72"};
        QTest::newRow("between the seasons' games") << day(4, 16, 2004) << QStringList{"No games scheduled.|"};
        QTest::newRow("last game") << day(6, 15, 2004) << QStringList{"L.A. Lakers @ Detroit (Finals, game 5)|9:00p|87-100"};
        QTest::newRow("a conference final's sixth game")
            << day(5, 31, 2004) << QStringList{"Minnesota @ L.A. Lakers (West Finals, game 6)|9:00p|90-96"};
        QTest::newRow("after the last game") << day(6, 16, 2004) << QStringList{"No games scheduled.|"};
    }
    void todayListsPlayoffDays()
    {
        QFETCH(int, listed);
        QFETCH(QStringList, lines);
        DaySelection selection;
        selection.selectDay(listed);
        TextTable withPlayoffs, seasonOnly;
        FillGamesByDate(bundled().season, bundled().playoffs, selection, {}, {}, withPlayoffs);
        FillGamesByDate(bundled().season, selection, {}, {}, seasonOnly);
        if (lines.isEmpty()) {
            QCOMPARE(tableLines(withPlayoffs), tableLines(seasonOnly));
            QVERIFY(withPlayoffs.count() > 1);
        } else {
            QCOMPARE(tableLines(withPlayoffs), lines);
        }
        // Playoffs still to be played, no score yet: each game names its series all the same.
        SeasonGames unplayed = bundled().playoffs;
        for (SeasonGame &game : unplayed)
            game.result.reset();
        TextTable noScores;
        FillGamesByDate(bundled().season, unplayed, selection, {}, {}, noScores);
        for (int row = 0; row < noScores.count(); ++row)
            QCOMPARE(noScores.cell(row, 0).toString(), lines.value(row, withPlayoffs.cell(row, 0).toString()).section('|', 0, 0));
    }
    // The Team list's playoffs: after a row of their own, Record is the
    // series; only the days whose results are shown are listed.
    void teamPlayoffs_data()
    {
        QTest::addColumn<int>("team");
        QTest::addColumn<int>("lastDay");  // 0: no line
        QTest::addColumn<int>("games");    // -1: no "Playoffs" row
        QTest::addColumn<QString>("lastRow");
        QTest::newRow("the whole playoffs") << 11 << 0 << 22 << "06/15| @ Detroit|9:00p|L 87-100|Lost 1-4";
        QTest::newRow("up to a day in them") << 11 << day(4, 20, 2004) << 2
                                             << "04/19| vs Houston|10:30p|W 98-84|Leads 2-0";
        QTest::newRow("a team swept") << 1 << 0 << 4 << "04/25| vs Indiana|1:00p|L 75-90|Lost 0-4";
        QTest::newRow("before the playoffs") << 11 << day(4, 14, 2004) << -1 << "";
        QTest::newRow("a team not in them") << 0 << 0 << -1 << "";
    }
    void teamPlayoffs()
    {
        QFETCH(int, team);
        QFETCH(int, lastDay);
        QFETCH(int, games);
        QFETCH(QString, lastRow);
        const SpoilerLine line = lastDay ? SpoilerLine{lastDay} : SpoilerLine{};
        TeamScheduleRows rows;
        rows.fill(bundled().season, team, {}, line, &bundled().playoffs, line);
        TextTable list;
        writeRows(rows, list);
        const int regular = 82;
        if (games < 0) {
            QCOMPARE(rows.playoffsRow(), -1);
            QCOMPARE(list.count(), regular);
            return;
        }
        QCOMPARE(rows.playoffsRow(), regular);
        QCOMPARE(list.rowCells(regular), QStringList{"Playoffs"});
        QVERIFY(!rows.game(regular).isValid() && rows.game(regular + 1).playoff);
        QCOMPARE(rows.rowOnOrAfter(day(4, 15, 2004)), regular + 1);  // the list opens on the playoffs
        QCOMPARE(list.count(), regular + 1 + games);
        QCOMPARE(tableLines(list).last(), lastRow);
    }
    // The lists the window paints cell by cell read as the tables the
    // terminal prints, and tell each cell's length without writing it, as it
    // will be once every result is shown.
    void rowsReadAsTheirTables_data()
    {
        QTest::addColumn<int>("zoneHours");
        QTest::addColumn<int>("zoneIndex");
        QTest::addColumn<int>("lastDay");  // 0: no line
        QTest::newRow("Eastern, every result") << 0 << kDefaultZoneIndex << 0;
        QTest::newRow("Pacific, up to a day") << -3 << 4 << day(2, 15, 2004);
        QTest::newRow("Arizona, without summer time") << -2 << 6 << day(4, 20, 2004);
        QTest::newRow("far east, clock past midnight") << 14 << 60 << 0;
    }
    void rowsReadAsTheirTables()
    {
        QFETCH(int, zoneHours);
        QFETCH(int, zoneIndex);
        QFETCH(int, lastDay);
        const ZoneShift zone{zoneHours, zoneIndex};
        const SpoilerLine line = lastDay ? SpoilerLine{lastDay} : SpoilerLine{};
        const auto check = [](const ListRows &rows, const TextTable &shown, const TextTable &unfolded) {
            QCOMPARE(rows.count(), shown.count());
            for (int row = 0; row < rows.count(); ++row) {
                QCOMPARE(rows.cellCount(row), shown.cellCount(row));
                for (int column = 0; column < shown.columnCount(); ++column) {
                    QCOMPARE(rows.cell(row, column), shown.cell(row, column).toString());
                    QCOMPARE(rows.cellLength(row, column), unfolded.cell(row, column).size());
                }
            }
        };
        SeasonListRows season;
        season.fill(bundled().season, zone, line);
        TextTable seasonList, everySeasonResult;
        FillSeasonList(bundled().season, zone, line, seasonList);
        FillSeasonList(bundled().season, zone, {}, everySeasonResult);
        check(season, seasonList, everySeasonResult);

        TeamScheduleRows team;
        team.fill(bundled().season, 11, zone, line);
        TextTable teamList, everyTeamResult;
        writeRows(team, teamList);
        FillTeamSchedule(bundled().season, 11, zone, {}, everyTeamResult);
        check(team, teamList, everyTeamResult);
    }
    // A playoff line of no readable day is past any line: it never stands
    // in for another game, nor shows with results hidden.
    void teamPlayoffsPastAnUnreadableDay_data()
    {
        QTest::addColumn<int>("team");
        QTest::addColumn<int>("lastDay");  // 0: results hidden, -1: no line
        QTest::addColumn<QList<int>>("games");  // the listed games' places in the playoffs
        QTest::newRow("no line") << 1 << -1 << QList<int>{0, 1};
        QTest::newRow("up to the first day") << 1 << day(4, 17, 2004) << QList<int>{1};
        QTest::newRow("results hidden") << 1 << 0 << QList<int>{};
        QTest::newRow("a team playing after the line") << 18 << day(4, 17, 2004) << QList<int>{};
    }
    void teamPlayoffsPastAnUnreadableDay()
    {
        QFETCH(int, team);
        QFETCH(int, lastDay);
        QFETCH(QList<int>, games);
        const SeasonGames playoffs{seasonGame(u"TBD", u"1", u"9", GameResult{90, 100}),
                                   seasonGame(u"4/17/2004 14:00", u"1", u"9", GameResult{88, 104}),
                                   seasonGame(u"4/18/2004 14:00", u"18", u"16", GameResult{83, 107})};
        const SpoilerLine line = lastDay < 0 ? SpoilerLine{} : SpoilerLine{lastDay};
        TeamScheduleRows rows;
        rows.fill(bundled().season, team, {}, line, &playoffs, line);
        QList<int> listed;
        for (int row = rows.playoffsRow() + 1; rows.playoffsRow() >= 0 && row < rows.count(); ++row) {
            QVERIFY(rows.game(row).playoff);
            listed.append(rows.game(row).index);
        }
        QCOMPARE(listed, games);
        QCOMPARE(rows.playoffsRow() >= 0, !games.isEmpty());
    }
};

QTEST_GUILESS_MAIN(GamesTest)
#include "tst_games.moc"
