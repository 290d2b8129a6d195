#include "settings_choice.h"

#include "time_zones.h"

namespace hoopdeck {

namespace {
void applyChoice(Settings &settings, const SettingsChoice &choice)
{
    if (choice.team)
        settings.favoriteTeam = *choice.team;
    if (choice.zoneIndex) {
        settings.zoneIndex = *choice.zoneIndex;
        settings.zoneOffsetHours = timeZone(*choice.zoneIndex).hours;
    }
    if (choice.server)
        settings.server = *choice.server;
}
} // namespace

bool saveChoice(QSettings &store, Settings &settings, const SettingsChoice &choice)
{
    applyChoice(settings, choice);
    return SaveSettings(store, settings);
}

bool saveOptionsChoice(QSettings &store, Settings &settings, const SettingsChoice &choice)
{
    applyChoice(settings, choice);
    return SaveShownSettings(store, settings, choice.server.has_value());
}

} // namespace hoopdeck
