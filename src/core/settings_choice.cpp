#include "settings_choice.h"

#include "time_zones.h"

namespace hoopdeck {

bool saveChoice(QSettings &store, Settings &settings, const SettingsChoice &choice)
{
    if (choice.team)
        settings.favoriteTeam = *choice.team;
    if (choice.zoneIndex) {
        settings.zoneIndex = *choice.zoneIndex;
        settings.zoneOffsetHours = timeZone(*choice.zoneIndex).hours;
    }
    if (choice.server)
        settings.server = *choice.server;
    return SaveSettings(store, settings);
}

} // namespace hoopdeck
