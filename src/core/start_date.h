#pragma once

#include <QDate>
#include <QString>

namespace hoopdeck {

// The day a front-end starts on, worked out once at start and handed to
// whatever needs today's date.
struct StartDate {
    QDate date;
    // The user fixed the day: it is then taken as it is, even outside the season.
    bool fixed = false;
};

// fixedDay is the day the user gave (M/D/YYYY), empty when none: that day
// when it names one, else machineDate.
StartDate startDateFrom(const QString &fixedDay, const QDate &machineDate = QDate::currentDate());

} // namespace hoopdeck
