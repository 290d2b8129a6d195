#include "download_check.h"

#include <QStringList>

#include <array>

#include "control_characters.h"
#include "line_reader.h"
#include "teams.h"
#include "text_fields.h"

namespace hoopdeck {

namespace {
constexpr int kTeamLines = 29;
constexpr int kSeasonGames = 82;
constexpr int kLabelLimit = 129;
constexpr int kQuotedLimit = 40;  // of a cell quoted in a message
constexpr int kRosterFields = 6;

const QString kStandingsFile = QStringLiteral("Standings.dat");
const QString kRosterFile = QStringLiteral("Roster.dat");

// A cell of the file as a message quotes it: on one line, harmless in a
// terminal, and short.
QString quoted(QStringView text)
{
    const QString safe = terminalText(text.left(kQuotedLimit));
    return QLatin1Char('"') + safe + (text.size() > kQuotedLimit ? QStringLiteral("...\"") : QStringLiteral("\""));
}

QString refusal(const QString &file, const QString &what)
{
    return file + QStringLiteral(": ") + what + QLatin1Char('.');
}

QString atLine(int line, const QString &what)
{
    return QStringLiteral("line %1 %2").arg(line).arg(what);
}

// Digits only, with blanks around them allowed; -1 for anything else (a
// sign, a letter, no digit, or more digits than any count needs).
qint64 wholeNumber(QStringView text)
{
    const QStringView digits = text.trimmed();
    if (digits.isEmpty() || digits.size() > 18)
        return -1;
    qint64 value = 0;
    for (QChar c : digits) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return -1;
        value = value * 10 + (c.unicode() - '0');
    }
    return value;
}

bool isGamesBehind(QStringView text)
{
    const QStringView gb = text.trimmed();
    if (gb == QLatin1String("-"))
        return true;
    const QStringView whole = gb.endsWith(QLatin1String(".5")) ? gb.chopped(2) : gb;
    return wholeNumber(whole) >= 0 && whole == whole.trimmed();
}

bool isHeight(QStringView text)
{
    const QStringView height = text.trimmed();
    const qsizetype dash = height.indexOf(QLatin1Char('-'));
    return dash > 0 && wholeNumber(height.left(dash)) >= 0 && wholeNumber(height.mid(dash + 1)) >= 0
           && height.left(dash) == height.left(dash).trimmed() && height.mid(dash + 1) == height.mid(dash + 1).trimmed();
}

bool isBlank(const QString &line)
{
    return line.trimmed().isEmpty();
}

bool isHeading(const QString &line)
{
    // One quote, the label, its closing quote: what the title shows is
    // then the label and nothing of the rest of the line.
    const qsizetype close = line.indexOf(QLatin1Char('"'), 1);
    if (!line.startsWith(QLatin1Char('"')) || close < 2)
        return false;
    const QStringView label = QStringView(line).mid(1, close - 1);
    if (label.size() > kLabelLimit)
        return false;
    for (QChar c : label) {
        // An error page's markup is not a season's name.
        if (c.category() == QChar::Other_Control || c == QLatin1Char('<') || c == QLatin1Char('>'))
            return false;
    }
    return true;
}

int teamNamed(const QString &name)
{
    for (int team = 0; team < kTeamCount; ++team) {
        if (teamName(team) == name)
            return team;
    }
    return -1;
}

// What is wrong with one team line of the standings, or nothing.
QString teamLineProblem(const QString &line, int lineNumber, std::array<bool, kTeamCount> &listed)
{
    const QStringList fields = splitFields(line, QLatin1Char(','), 4);
    if (fields.size() < 4)
        return atLine(lineNumber, QStringLiteral("is not a team line (Team, W, L, GB)"));
    const QString name = firstQuotedPiece(fields.at(0));
    const int team = teamNamed(name);
    if (team < 0)
        return atLine(lineNumber, QStringLiteral("names no team of the league: %1").arg(quoted(fields.at(0))));
    if (listed[size_t(team)])
        return name + QStringLiteral(" is listed twice");
    listed[size_t(team)] = true;
    const qint64 wins = wholeNumber(fields.at(1));
    if (wins < 0)
        return name + QStringLiteral("'s wins are not a whole number: ") + quoted(fields.at(1));
    const qint64 losses = wholeNumber(fields.at(2));
    if (losses < 0)
        return name + QStringLiteral("'s losses are not a whole number: ") + quoted(fields.at(2));
    if (wins + losses > kSeasonGames)
        return QStringLiteral("%1 has %2 games, more than %3").arg(name).arg(wins + losses).arg(kSeasonGames);
    if (!isGamesBehind(fields.at(3)))
        return name + QStringLiteral("'s games behind are not -, a whole number or a half: ") + quoted(fields.at(3));
    return QString();
}

QString playerLineProblem(const QString &line, int lineNumber, std::array<bool, kTeamCount> &hasPlayer)
{
    const QStringList fields = splitFields(line, QLatin1Char(','), kRosterFields);
    if (fields.size() < kRosterFields)
        return atLine(lineNumber, QStringLiteral("has %1 of a player's 6 fields (TM, #, Player, Pos, Ht, Wt)")
                                      .arg(fields.size()));
    const std::optional<int> team = teamFromNumber(fields.at(0).trimmed());
    if (!team)
        return atLine(lineNumber, QStringLiteral("has no team number 0-28: ") + quoted(fields.at(0)));
    if (wholeNumber(fields.at(1)) < 0)
        return atLine(lineNumber, QStringLiteral("has a jersey number that is not a whole number: ") + quoted(fields.at(1)));
    if (!isHeight(fields.at(4)))
        return atLine(lineNumber, QStringLiteral("has a height that is not feet-inches: ") + quoted(fields.at(4)));
    if (wholeNumber(fields.at(5)) < 0)
        return atLine(lineNumber, QStringLiteral("has a weight that is not a whole number: ") + quoted(fields.at(5)));
    hasPlayer[size_t(*team)] = true;
    return QString();
}
} // namespace

QString standingsRefusal(const QByteArray &body)
{
    LineReader reader(body);
    QString line;
    if (!reader.readLine(line))
        return refusal(kStandingsFile, QStringLiteral("the file is empty"));
    if (!isHeading(line))
        return refusal(kStandingsFile, QStringLiteral("line 1 is not a heading with the season in double quotes"));
    std::array<bool, kTeamCount> listed{};
    for (int team = 0; team < kTeamLines; ++team) {
        if (!reader.readLine(line))
            return refusal(kStandingsFile, QStringLiteral("it ends after %1 of the %2 teams").arg(team).arg(kTeamLines));
        const QString problem = teamLineProblem(line, team + 2, listed);
        if (!problem.isEmpty())
            return refusal(kStandingsFile, problem);
    }
    for (int lineNumber = kTeamLines + 2; reader.readLine(line); ++lineNumber) {
        if (!isBlank(line))
            return refusal(kStandingsFile, atLine(lineNumber, QStringLiteral("follows the %1 teams").arg(kTeamLines)));
    }
    return QString();
}

QString rosterRefusal(const QByteArray &body)
{
    LineReader reader(body);
    QString line;
    std::array<bool, kTeamCount> hasPlayer{};
    for (int lineNumber = 1; reader.readLine(line); ++lineNumber) {
        if (isBlank(line))
            continue;
        const QString problem = playerLineProblem(line, lineNumber, hasPlayer);
        if (!problem.isEmpty())
            return refusal(kRosterFile, problem);
    }
    QStringList without;
    for (int team = 0; team < kTeamCount; ++team) {
        if (!hasPlayer[size_t(team)])
            without.append(teamName(team));
    }
    if (without.size() == kTeamCount)
        return refusal(kRosterFile, QStringLiteral("it lists no player"));
    if (without.size() == 1)
        return refusal(kRosterFile, without.first() + QStringLiteral(" has no player"));
    if (!without.isEmpty())
        return refusal(kRosterFile, QStringLiteral("%1 teams have no player, the first %2").arg(without.size()).arg(without.first()));
    return QString();
}

} // namespace hoopdeck
