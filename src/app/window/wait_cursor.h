#pragma once

namespace hoopdeck::app {

// Shows the wait cursor for as long as it lives. Guards nest: the cursor
// goes back when the last one ends.
class WaitCursor {
public:
    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;
};

} // namespace hoopdeck::app
