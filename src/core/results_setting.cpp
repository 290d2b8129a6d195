#include "results_setting.h"

#include <QSettings>

#include "settings_store.h"
#include "text_fields.h"

namespace hoopdeck {

namespace {
const QString kResults = QStringLiteral("Results");
}

bool LoadShowResults(const QSettings &store)
{
    if (!store.contains(kResults))
        return true;
    return decimalToInt(store.value(kResults).toString()) != 0;
}

bool SaveShowResults(QSettings &store, bool show)
{
    const QString text = show ? QStringLiteral("1") : QStringLiteral("0");
    store.setValue(kResults, text);
    return syncStore(store, {{kResults, text}});
}

} // namespace hoopdeck
