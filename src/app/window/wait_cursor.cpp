#include "wait_cursor.h"

#include <QCursor>
#include <QGuiApplication>

namespace hoopdeck::app {

WaitCursor::WaitCursor()
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
}

WaitCursor::~WaitCursor()
{
    QGuiApplication::restoreOverrideCursor();
}

} // namespace hoopdeck::app
