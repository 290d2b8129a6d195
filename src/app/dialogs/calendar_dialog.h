#pragma once

#include <QDialog>

namespace hoopdeck::app {

// "HDK Calendar": a month calendar for looking up dates. It reads and
// changes nothing of the viewer. Cancel (or the close button, or Esc) only
// hides it, so the next opening finds it again; OK ends it.
class CalendarDialog : public QDialog {
    Q_OBJECT
public:
    explicit CalendarDialog(QWidget *parent = nullptr);

    void reject() override;
};

} // namespace hoopdeck::app
