#include "settings_choice.h"

#include <algorithm>

namespace hoopdeck {

void SettingsChoice::set(SettingId id, const QVariant &stored)
{
    chosen_.removeIf([id](const auto &chosen) { return chosen.first == id; });
    chosen_.append({id, stored});
}

QString SettingsChoice::choose(const SettingRow &setting, const QString &text)
{
    QVariant stored;
    const QString problem = setting.choose(setting, text, stored);
    if (problem.isEmpty())
        set(setting.id, stored);
    return problem;
}

std::optional<QVariant> SettingsChoice::value(SettingId id) const
{
    for (const auto &[chosen, stored] : chosen_) {
        if (chosen == id)
            return stored;
    }
    return std::nullopt;
}

void SettingsChoice::applyTo(Settings &settings) const
{
    for (const auto &[id, stored] : chosen_) {
        const SettingRow &setting = settingRow(id);
        setting.load(settings, stored.toString());
        if (setting.follow)
            setting.follow(settings);
    }
}

SettingsChanges SettingsChoice::changes(const Settings &settings) const
{
    SettingsChanges changes;
    const auto add = [&](const SettingRow &setting) {
        const QString key = QLatin1String(setting.key);
        if (std::none_of(changes.cbegin(), changes.cend(), [&](const auto &change) { return change.first == key; }))
            changes.append({key, setting.stored(settings)});
    };
    for (const auto &chosen : chosen_) {
        const SettingRow &setting = settingRow(chosen.first);
        add(setting);
        if (setting.follow)
            add(settingRow(setting.follower));
    }
    return changes;
}

SettingsChanges SettingsChoice::chainFill(const Settings &settings) const
{
    const SettingsChanges chosen = changes(settings);
    const bool chained = std::any_of(chosen.cbegin(), chosen.cend(), [](const auto &change) {
        return std::any_of(settingRows().cbegin(), settingRows().cend(), [&](const SettingRow &setting) {
            return setting.chain > 0 && change.first == QLatin1String(setting.key);
        });
    });
    SettingsChanges fill;
    for (const SettingRow &setting : settingRows()) {
        if (chained && setting.chain > 0)
            fill.append({QLatin1String(setting.key), setting.stored(settings)});
    }
    return fill;
}

SettingsSaveResult saveChoice(SettingsStore &store, Settings &settings, const SettingsChoice &choice)
{
    choice.applyTo(settings);
    if (choice.isEmpty())
        return {true, QString()};
    return store.save(choice.changes(settings), choice.chainFill(settings));
}

} // namespace hoopdeck
