#pragma once

#include <QDialog>

namespace hoopdeck::app {

// "About Hoopdeck": the icon, the name, the version and where the season's
// data come from. It ends itself as soon as another window becomes active.
class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget *parent = nullptr);

protected:
    void changeEvent(QEvent *event) override;
};

} // namespace hoopdeck::app
