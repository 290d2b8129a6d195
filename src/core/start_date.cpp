#include "start_date.h"

#include "games_by_date_view.h"

namespace hoopdeck {

StartDate startDateFrom(const QString &fixedDay, const QDate &machineDate)
{
    const QDate fixed = fixedDay.isEmpty() ? QDate() : parseUserDate(fixedDay);
    if (fixed.isValid())
        return {fixed, true};
    return {machineDate, false};
}

} // namespace hoopdeck
