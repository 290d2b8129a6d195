#include "message_box.h"

#include <QMessageBox>

#include "start_up.h"

namespace hoopdeck::app {

void ShowHoopdeckMessage(QWidget *parent, const QString &text)
{
    QMessageBox box(QMessageBox::Critical, QString::fromLatin1(kMessageCaption), text, QMessageBox::Ok, parent);
    box.exec();
}

} // namespace hoopdeck::app
