#pragma once

#include <QFont>
#include <Qt>

class QLabel;

namespace hoopdeck::app {

// The lettering of the title and date captions: bold Tahoma 14 px where the
// font exists, otherwise a bold sans of that size.
QFont captionFont();

// Makes a label one of those captions, blue on the window's background.
void makeCaption(QLabel *label, Qt::Alignment alignment);

} // namespace hoopdeck::app
