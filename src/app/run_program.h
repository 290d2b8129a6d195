#pragma once

namespace hoopdeck::app {

// Everything the program does once its QApplication exists: lets only one
// copy run, checks the install and the season, then shows the main form
// until it is closed. Always returns 0, the program's exit code.
int RunHoopdeck();

} // namespace hoopdeck::app
