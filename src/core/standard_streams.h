#pragma once

namespace hoopdeck {

// Which of standard input, output and error the program was started
// without (closed, not merely redirected).
struct ClosedStreams {
    bool input = false;
    bool output = false;
    bool error = false;
};

// Puts the null device on every standard stream the program was started
// without, so that no file the program opens later takes that number and
// has a terminal's text written into it. Says which ones were closed.
ClosedStreams keepStandardStreamsOpen();

} // namespace hoopdeck
