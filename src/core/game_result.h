#pragma once

#include <QLatin1StringView>
#include <QString>
#include <QStringView>

#include <optional>


namespace hoopdeck {

// A game's final score as Season.dat carries it after the three fields of
// the schedule: the visitor's points, the home team's points and, for a game
// that went to overtime, "OT", "2OT", "3OT" and so on.
struct GameResult {
    int visitorPoints = 0;
    int homePoints = 0;
    int overtimes = 0;  // 0 for a game decided in regulation

    bool visitorWon() const { return visitorPoints > homePoints; }
};

// The fields of a season line after its third. Anything but two whole
// numbers, optionally followed by an overtime mark, is no result; so is a
// tie, which has no winner to show.
std::optional<GameResult> parseGameResult(const QStringView *fieldsAfterSchedule, int count);

// A score's text held in place, for a loader that writes it straight into
// its table.
struct ScoreChars {
    char text[40] = {};
    quint8 length = 0;
    QLatin1StringView view() const { return QLatin1StringView(text, length); }
};

// "85-83", "85-83 OT", "121-123 3OT": the visitor's points first.
ScoreChars scoreChars(const GameResult &result);
QString scoreText(const GameResult &result);

// From one side: "W 89-74", "L 83-85 OT", that side's points first.
QString resultText(const GameResult &result, bool forHome);

} // namespace hoopdeck
