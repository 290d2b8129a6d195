#pragma once

#include <QString>

class QWidget;

namespace hoopdeck::app {

// Every message the program shows: caption "Hoopdeck", the critical icon and
// a single OK button. Returns when the user has read it.
void ShowHoopdeckMessage(QWidget *parent, const QString &text);

} // namespace hoopdeck::app
