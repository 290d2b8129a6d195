#include "calendar_dialog.h"

#include <QCalendarWidget>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "child_windows.h"

namespace hoopdeck::app {

CalendarDialog::CalendarDialog(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QLatin1String(kCalendarDialogTitle));
    setAccessibleName(windowTitle());
    auto *calendar = new QCalendarWidget(this);
    calendar->setObjectName(QStringLiteral("dialogCalendar"));
    calendar->setAccessibleName(tr("Month calendar"));
    calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CalendarDialog::reject);
    connect(this, &QDialog::accepted, this, &QObject::deleteLater);
    // The calendar takes Return for itself; here it means OK, as in any dialog.
    connect(calendar, &QCalendarWidget::activated, this, &QDialog::accept);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(calendar);
    layout->addWidget(buttons);
}

void CalendarDialog::reject()
{
    hide();
}

} // namespace hoopdeck::app
