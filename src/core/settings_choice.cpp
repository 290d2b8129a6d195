#include "settings_choice.h"

#include <algorithm>

namespace hoopdeck {

void SettingsChoice::set(SettingId id, const QVariant &stored)
{
    chosen_.removeIf([id](const auto &chosen) { return chosen.first == id; });
    chosen_.append({id, stored});
}

QString SettingsChoice::choose(const SettingSpec &spec, const QString &text)
{
    QVariant stored;
    const QString problem = spec.choose(spec, text, stored);
    if (problem.isEmpty())
        set(spec.id, stored);
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
        const SettingSpec &spec = settingSpec(id);
        spec.load(settings, stored.toString());
        if (spec.follow)
            spec.follow(settings);
    }
}

SettingsChanges SettingsChoice::changes(const Settings &settings) const
{
    SettingsChanges changes;
    const auto add = [&](const SettingSpec &spec) {
        const QString key = QLatin1String(spec.key);
        if (std::none_of(changes.cbegin(), changes.cend(), [&](const auto &change) { return change.first == key; }))
            changes.append({key, spec.stored(settings)});
    };
    for (const auto &chosen : chosen_) {
        const SettingSpec &spec = settingSpec(chosen.first);
        add(spec);
        if (spec.follow)
            add(settingSpec(spec.follower));
    }
    return changes;
}

SettingsChanges SettingsChoice::chainFill(const Settings &settings) const
{
    const SettingsChanges chosen = changes(settings);
    const bool chained = std::any_of(chosen.cbegin(), chosen.cend(), [](const auto &change) {
        return std::any_of(settingSpecs().cbegin(), settingSpecs().cend(), [&](const SettingSpec &spec) {
            return spec.chain > 0 && change.first == QLatin1String(spec.key);
        });
    });
    SettingsChanges fill;
    for (const SettingSpec &spec : settingSpecs()) {
        if (chained && spec.chain > 0)
            fill.append({QLatin1String(spec.key), spec.stored(settings)});
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
