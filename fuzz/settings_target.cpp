#include <QByteArray>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "fuzz_check.h"
#include "fuzz_targets.h"
#include "games_by_date_view.h"
#include "roster.h"
#include "roster_view.h"
#include "season.h"
#include "season_list_view.h"
#include "settings_file.h"
#include "settings_store.h"
#include "team_schedule_view.h"
#include "teams.h"
#include "time_zones.h"

namespace hoopdeck::fuzz {

namespace {
// Games in and out of the summer window, around midnight and noon, and the
// All-Star Game; a few players of the first and last teams.
const char kSeason[] =
    "10/28/2003 19:00,13,20\n10/28/2003 22:30,4,11\n11/1/2003 0:05,0,28\n"
    "2/15/2004 20:00,-1,-1\n4/3/2004 12:00,28,0\n4/4/2004 23:59,1,2\n4/14/2004 22:30,23,7\n";
const char kRoster[] =
    "0,1,S. Jackson,F,6-8,218\n0,3,B. Sura,G,6-5,200\n1,8,A. Walker,F,6-9,235\n"
    "28,42,J. Stackhouse,G-F,6-6,218\n28,44,C. Laettner,F-C,6-11,245\n";

struct Tables {
    TextTable schedule, roster;
    SeasonGames games;
    Tables()
    {
        loadSeasonFromBytes(QByteArray(kSeason), schedule, games);
        loadRosterFromBytes(QByteArray(kRoster), roster);
    }
};

QTemporaryDir &settingsDir()
{
    static QTemporaryDir dir;
    return dir;
}

// Every input goes into the same file, read afresh by each store.
QString writeSettingsFile(const char *data, qint64 size)
{
    const QString path = settingsDir().filePath(QStringLiteral("Hoopdeck.conf"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(data, size) != size || !file.flush())
        fail("the settings file can be written", path);
    return path;
}

// Everything the programs do with the settings once they are read.
void useSettings(const Settings &settings)
{
    static const Tables tables;
    static const QRegularExpression time(QStringLiteral("^(|(1[0-2]|[1-9]):[0-5]\\d[ap])$"));
    const ZoneShift zone = settings.zone();
    for (int row = 0; row < tables.schedule.count(); ++row) {
        const GameTimeTexts texts = convertGameTime(tables.schedule.cell(row, ScheduleDate), zone);
        FUZZ_EXPECT(texts.date.size() == 5 && time.match(texts.time).hasMatch() && !texts.time.isEmpty(),
                    QStringLiteral("offset %1 zone %2 gave \"%3\"").arg(zone.offsetHours).arg(zone.zoneIndex).arg(texts.time));
    }
    const QString team = teamDisplayName(settings.favoriteTeam);
    FUZZ_EXPECT(team.isEmpty() == (settings.favoriteTeam < -1 || settings.favoriteTeam >= kTeamCount), team);
    const QString caption = timeZoneCaption(settings.zoneIndex);
    FUZZ_EXPECT(caption.isEmpty() == (settings.zoneIndex < 0 || settings.zoneIndex >= kTimeZoneCount), caption);
    (void)timeZone(settings.zoneIndex).hours;

    // The views the program opens with, for the favourite team and today.
    TextTable list, sortList;
    FillTeamSchedule(tables.games, settings.favoriteTeam, zone, {}, list);
    FillRosterList(tables.roster, settings.favoriteTeam, list);
    RosterSort sort;
    OnRosterColumnClick(ColumnPlayer, sort, list, sortList);
    DaySelection day;
    day.InitSelectedDate(QDate(2004, 4, 4));
    FillGamesByDate(tables.games, day, zone, {}, list);
    FUZZ_EXPECT(list.count() == 1 && time.match(list.cell(0, 1).toString()).hasMatch(), describeRow(list, 0));
    FillSeasonList(tables.games, zone, {}, list);
}
} // namespace

// Input: a settings file as the store keeps it (the program's own text
// format, or an INI file of an earlier release).
int settingsTarget(const uint8_t *data, size_t size)
{
    Settings settings;
    {
        const QString path = writeSettingsFile(reinterpret_cast<const char *>(data), qint64(size));
        SettingsFile store(path);
        LoadSettings(store, settings);
        // A save of one change keeps every other value as it was read, or
        // is refused and leaves the file alone.
        const SettingsValues before = store.values();
        const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
        if (store.save({{QStringLiteral("Index"), 4}})) {
            SettingsValues expected = before;
            expected.insert(QStringLiteral("Index"), QStringLiteral("4"));
            FUZZ_EXPECT(SettingsFile(path).values() == expected, QString::fromLatin1(bytes.left(300)));
        } else {
            QFile file(path);
            FUZZ_EXPECT(file.open(QIODevice::ReadOnly) && file.readAll() == bytes, path);
        }
    }
    useSettings(settings);

    // What is saved reads back the same, from the file: the copy is one the
    // store has never seen, so it is parsed, not taken from what was saved.
    const QString savedPath = settingsDir().filePath(QStringLiteral("saved.conf"));
    QFile::remove(savedPath);
    // A line break cannot stand in a line of the file: such a value is
    // refused, and nothing is written.
    const bool savable = !settings.server.contains(QLatin1Char('\n')) && !settings.server.contains(QLatin1Char('\r'))
                         && !settings.server.contains(QChar(0));
    {
        SettingsFile store(savedPath);
        FUZZ_EXPECT(SaveSettings(store, settings).ok == savable, savedPath);
    }
    if (!savable) {
        FUZZ_EXPECT(!QFile::exists(savedPath), savedPath);
        return 0;
    }
    QFile saved(savedPath);
    FUZZ_EXPECT(saved.open(QIODevice::ReadOnly), savedPath);
    const QByteArray savedBytes = saved.readAll();
    Settings reread;
    reread.server.clear();
    {
        SettingsFile store(writeSettingsFile(savedBytes.constData(), savedBytes.size()));
        FUZZ_EXPECT(LoadSettings(store, reread), QString::fromLatin1(savedBytes.left(300)));
    }
    FUZZ_EXPECT(reread.zoneOffsetHours == settings.zoneOffsetHours && reread.favoriteTeam == settings.favoriteTeam
                    && reread.zoneIndex == settings.zoneIndex && reread.server == settings.server,
                QStringLiteral("saved %1/%2/%3/\"%4\", read back %5/%6/%7/\"%8\"")
                    .arg(settings.zoneOffsetHours).arg(settings.favoriteTeam).arg(settings.zoneIndex).arg(settings.server.left(100))
                    .arg(reread.zoneOffsetHours).arg(reread.favoriteTeam).arg(reread.zoneIndex).arg(reread.server.left(100)));
    return 0;
}

} // namespace hoopdeck::fuzz
