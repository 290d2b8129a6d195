#include "results_setting.h"

#include <QSettings>

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
    store.setValue(kResults, show ? QStringLiteral("1") : QStringLiteral("0"));
    store.sync();
    return store.status() == QSettings::NoError;
}

} // namespace hoopdeck
