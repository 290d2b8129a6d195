#pragma once

#include <QDialog>
#include <QStringList>

#include "settings_store.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace hoopdeck::app {

// "HDK Options": the favourite team, the time zone and the data server.
// It opens on the values stored now, so that a choice made with
// hoopdeck-cli meanwhile is shown and never undone. Save stores only the
// fields changed here, and the program then holds what is stored; Cancel
// changes nothing.
class OptionsDialog : public QDialog {
    Q_OBJECT
public:
    // teamNames is a copy of the main form's team picker; settings are the
    // running program's, changed on Save.
    OptionsDialog(const QStringList &teamNames, Settings &settings, QWidget *parent = nullptr);

    QComboBox *teamList() const { return teams_; }
    QComboBox *zoneList() const { return zones_; }
    QLineEdit *serverField() const { return server_; }
    QPushButton *saveButton() const { return saveButton_; }

signals:
    // The settings in memory hold the saved choice; lists that show times
    // are to be rebuilt.
    void saved();

private:
    void save();
    void checkServer();

    Settings &settings_;
    Settings shown_;  // the values the dialog opened on
    QComboBox *teams_;
    QComboBox *zones_;
    QLineEdit *server_;
    QLabel *serverHint_;
    QPushButton *saveButton_ = nullptr;
};

} // namespace hoopdeck::app
