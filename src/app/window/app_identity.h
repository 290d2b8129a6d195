#pragma once

class QApplication;

namespace hoopdeck::app {

// What every window program of Hoopdeck sets before anything else: the names
// the settings store is found by, the desktop's application id and the icon
// every window shows.
void setUpApplication(QApplication &app);

} // namespace hoopdeck::app
