#include "calendar_dialog.h"

#include <QCalendarWidget>
#include <QDialogButtonBox>
#include <QVBoxLayout>

#include "child_windows.h"

namespace hoopdeck::app {

CalendarDialog::CalendarDialog(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QLatin1String(kCalendarDialogTitle));
    auto *calendar = new QCalendarWidget(this);
    calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CalendarDialog::reject);
    connect(this, &QDialog::accepted, this, &QObject::deleteLater);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(calendar);
    layout->addWidget(buttons);
}

void CalendarDialog::reject()
{
    hide();
}

} // namespace hoopdeck::app
