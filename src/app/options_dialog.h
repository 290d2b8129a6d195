#pragma once

#include <QDialog>
#include <QStringList>

#include "settings_store.h"

class QComboBox;

namespace hoopdeck::app {

// "HDK Options": the favourite team and the time zone. Save keeps both in
// memory and in the settings store; Cancel changes nothing. Save refills no
// list: the new zone shows the next time a list is filled, the favourite
// team at the next start.
class OptionsDialog : public QDialog {
    Q_OBJECT
public:
    // teamNames is a copy of the main form's team picker; settings are the
    // running program's, changed on Save.
    OptionsDialog(const QStringList &teamNames, Settings &settings, QWidget *parent = nullptr);

    QComboBox *teamList() const { return teams_; }
    QComboBox *zoneList() const { return zones_; }

private:
    void save();

    Settings &settings_;
    QComboBox *teams_;
    QComboBox *zones_;
};

} // namespace hoopdeck::app
