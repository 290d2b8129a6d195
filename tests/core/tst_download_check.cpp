// What a downloaded standings or roster body must be before it may replace
// the local file: the bundled files pass, and each way of being wrong is
// refused with words that say where.

#include <QtTest>

#include "download_check.h"
#include "season_file.h"

using namespace hoopdeck;

namespace {
// The bundled file with one line (counted from 1) replaced; an empty
// replacement drops the line.
QByteArray withLine(const char *file, int line, const QByteArray &text)
{
    QList<QByteArray> lines = seasonFile(file).split('\n');
    if (text.isEmpty())
        lines.removeAt(line - 1);
    else
        lines[line - 1] = text;
    return lines.join('\n');
}

QByteArray standingsWith(int line, const QByteArray &text) { return withLine("Standings.dat", line, text); }
QByteArray rosterWith(int line, const QByteArray &text) { return withLine("Roster.dat", line, text); }
} // namespace

class DownloadCheckTest : public QObject {
    Q_OBJECT
private slots:
    void standings_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("refusal");  // empty: kept
        const QByteArray real = seasonFile("Standings.dat");
        QVERIFY(real.startsWith("\"2003-04\",Team,W,L,GB\n\"New Jersey\",47,35,-\n\"Miami\",42,40,5\n"));
        QByteArray crlf = real;
        crlf.replace("\n", "\r\n");
        QByteArray html = "<html><head><title>Standings</title></head>\n";
        for (int team = 0; team < 29; ++team)
            html += "1,1,1,1\n";

        QTest::newRow("the bundled file") << real << "";
        QTest::newRow("CRLF line ends") << crlf << "";
        QTest::newRow("blank lines after the teams") << real + "\n  \n\n" << "";
        QTest::newRow("another label, a fifth field, blanks around numbers")
            << standingsWith(1, "\"2003-04 final\",Team,W,L,GB").replace("\"Miami\",42,40,5", "Miami, 42 , 40 ,5,extra")
            << "";
        QTest::newRow("a half game behind") << standingsWith(3, "\"Miami\",42,40,4.5") << "";
        QTest::newRow("empty") << QByteArray() << "Standings.dat: the file is empty.";
        QTest::newRow("an HTML page with rows 1,1,1,1")
            << html << "Standings.dat: line 1 is not a heading with the season in double quotes.";
        QTest::newRow("a heading of garbage")
            << standingsWith(1, "\x01\xfe garbage") << "Standings.dat: line 1 is not a heading with the season in double quotes.";
        QTest::newRow("an empty label") << standingsWith(1, "\"\",Team,W,L,GB")
                                        << "Standings.dat: line 1 is not a heading with the season in double quotes.";
        QTest::newRow("the Atlantic alone") << real.left(real.indexOf("\"Indiana\""))
                                            << "Standings.dat: it ends after 7 of the 29 teams.";
        QTest::newRow("a team listed twice") << standingsWith(5, "\"Miami\",36,46,11")
                                             << "Standings.dat: Miami is listed twice.";
        QTest::newRow("a name of no team") << standingsWith(3, "\"Miami Heat\",42,40,5")
                                           << "Standings.dat: line 3 names no team of the league: \"\"Miami Heat\"\".";
        QTest::newRow("10^12 wins") << standingsWith(3, "\"Miami\",1000000000000,40,5")
                                    << "Standings.dat: Miami has 1000000000040 games, more than 82.";
        QTest::newRow("83 games") << standingsWith(3, "\"Miami\",43,40,5") << "Standings.dat: Miami has 83 games, more than 82.";
        QTest::newRow("42abc wins") << standingsWith(3, "\"Miami\",42abc,40,5")
                                    << "Standings.dat: Miami's wins are not a whole number: \"42abc\".";
        QTest::newRow("negative losses") << standingsWith(3, "\"Miami\",42,-40,5")
                                         << "Standings.dat: Miami's losses are not a whole number: \"-40\".";
        QTest::newRow("games behind in words") << standingsWith(3, "\"Miami\",42,40,five")
                                               << "Standings.dat: Miami's games behind are not -, a whole number or a half: \"five\".";
        QTest::newRow("games behind of a quarter") << standingsWith(3, "\"Miami\",42,40,4.25")
                                                   << "Standings.dat: Miami's games behind are not -, a whole number or a half: \"4.25\".";
        QTest::newRow("three fields") << standingsWith(3, "\"Miami\",42,40")
                                      << "Standings.dat: line 3 is not a team line (Team, W, L, GB).";
        QTest::newRow("a 30th team line") << real + "\"Miami\",42,40,5\n" << "Standings.dat: line 31 follows the 29 teams.";
        QTest::newRow("a control character quoted harmlessly") << standingsWith(3, "\"Mia\x1b[2Jmi\",42,40,5")
            << QString::fromUtf8("Standings.dat: line 3 names no team of the league: \"\"Mia\uFFFD[2Jmi\"\".");
        QTest::newRow("a long cell quoted short") << standingsWith(3, "\"Miami\",42,40," + QByteArray(300, 'x'))
            << "Standings.dat: Miami's games behind are not -, a whole number or a half: \"" + QString(40, 'x') + "...\".";
    }
    void standings()
    {
        QFETCH(QByteArray, body);
        QFETCH(QString, refusal);
        QCOMPARE(standingsRefusal(body), refusal);
        QCOMPARE(isUsableStandings(body), refusal.isEmpty());
    }

    void roster_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("refusal");
        const QByteArray real = seasonFile("Roster.dat");
        QVERIFY(real.startsWith("0,1,S. Jackson,F,6-8,218\n"));
        QByteArray crlf = real;
        crlf.replace("\n", "\r\n");
        const qsizetype half = real.indexOf("\n15,");
        QVERIFY(half > 0);

        QTest::newRow("the bundled file") << real << "";
        QTest::newRow("CRLF line ends and blank lines") << "\n" + crlf + "\r\n\r\n" << "";
        QTest::newRow("a late player of team 0 and a seventh field")
            << real + "0,99,N. Player,G,6-0,180,more\n" << "";
        QTest::newRow("empty") << QByteArray() << "Roster.dat: it lists no player.";
        QTest::newRow("a body of 5 and a line feed") << QByteArray("5\n")
                                                     << "Roster.dat: line 1 has 1 of a player's 6 fields (TM, #, Player, Pos, Ht, Wt).";
        QTest::newRow("cut after half the teams") << real.left(half + 1)
                                                  << "Roster.dat: 14 teams have no player, the first Minnesota.";
        QTest::newRow("cut inside a line") << real.left(half + 6)
                                           << QStringLiteral("Roster.dat: line %1 has 2 of a player's 6 fields (TM, #, Player, Pos, Ht, Wt).")
                                                  .arg(real.left(half).count('\n') + 2);
        QTest::newRow("one team without players") << QByteArray(real).replace("\n1,", "\n0,")
                                                  << "Roster.dat: Boston has no player.";
        QTest::newRow("team 29") << rosterWith(1, "29,1,S. Jackson,F,6-8,218")
                                 << "Roster.dat: line 1 has no team number 0-28: \"29\".";
        QTest::newRow("a team by name") << rosterWith(1, "Atlanta,1,S. Jackson,F,6-8,218")
                                        << "Roster.dat: line 1 has no team number 0-28: \"Atlanta\".";
        QTest::newRow("a jersey number in words") << rosterWith(2, "0,three,B. Sura,G,6-5,200")
                                                  << "Roster.dat: line 2 has a jersey number that is not a whole number: \"three\".";
        QTest::newRow("a height in centimetres") << rosterWith(2, "0,3,B. Sura,G,196,200")
                                                 << "Roster.dat: line 2 has a height that is not feet-inches: \"196\".";
        QTest::newRow("a height without inches") << rosterWith(2, "0,3,B. Sura,G,6-,200")
                                                 << "Roster.dat: line 2 has a height that is not feet-inches: \"6-\".";
        QTest::newRow("a weight with its unit") << rosterWith(2, "0,3,B. Sura,G,6-5,200lb")
                                                << "Roster.dat: line 2 has a weight that is not a whole number: \"200lb\".";
        QTest::newRow("an HTML page") << QByteArray("<html><body>Not here</body></html>\n")
                                      << "Roster.dat: line 1 has 1 of a player's 6 fields (TM, #, Player, Pos, Ht, Wt).";
    }
    void roster()
    {
        QFETCH(QByteArray, body);
        QFETCH(QString, refusal);
        QCOMPARE(rosterRefusal(body), refusal);
        QCOMPARE(isUsableRoster(body), refusal.isEmpty());
    }
};

QTEST_GUILESS_MAIN(DownloadCheckTest)
#include "tst_download_check.moc"
