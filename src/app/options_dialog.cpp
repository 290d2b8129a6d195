#include "options_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>

#include "child_windows.h"
#include "message_box.h"
#include "settings_choice.h"
#include "time_zones.h"

namespace hoopdeck::app {

namespace {
QGroupBox *framed(const QString &title, QWidget *content)
{
    auto *box = new QGroupBox(title);
    auto *layout = new QVBoxLayout(box);
    layout->addWidget(content);
    return box;
}

// A stored value outside the list selects nothing.
void selectIfListed(QComboBox *list, int position)
{
    list->setCurrentIndex(position >= 0 && position < list->count() ? position : -1);
}
} // namespace

OptionsDialog::OptionsDialog(const QStringList &teamNames, Settings &settings, QWidget *parent)
    : QDialog(parent), settings_(settings), teams_(new QComboBox), zones_(new QComboBox)
{
    setWindowTitle(QLatin1String(kOptionsDialogTitle));
    setAttribute(Qt::WA_DeleteOnClose);

    teams_->addItems(teamNames);
    for (int position = 0; position < kTimeZoneCount; ++position)
        zones_->addItem(timeZoneCaption(position), timeZone(position).hours);
    teams_->setMaxVisibleItems(15);
    zones_->setMaxVisibleItems(15);
    selectIfListed(teams_, settings.favoriteTeam);
    selectIfListed(zones_, settings.zoneIndex);

    auto *note = new QLabel(tr("Times in the lists change the next time a list is filled; "
                               "the favourite team opens at the next start."));
    note->setWordWrap(true);

    auto *buttons = new QDialogButtonBox;
    QPushButton *saveButton = buttons->addButton(tr("Save"), QDialogButtonBox::AcceptRole);
    buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    saveButton->setDefault(true);
    connect(saveButton, &QPushButton::clicked, this, &OptionsDialog::save);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(framed(tr(" Favorite Team "), teams_));
    layout->addWidget(framed(tr(" Time Zone "), zones_));
    layout->addWidget(note);
    layout->addStretch();
    layout->addWidget(buttons);
    setMinimumWidth(340);
}

void OptionsDialog::save()
{
    SettingsChoice choice;
    if (teams_->currentIndex() >= 0)
        choice.team = teams_->currentIndex();
    if (zones_->currentIndex() >= 0)
        choice.zoneIndex = zones_->currentIndex();
    const std::unique_ptr<QSettings> store = openSettingsStore();
    const bool saved = saveChoice(*store, settings_, choice);
    QWidget *owner = parentWidget();
    accept();
    if (!saved) {
        ShowHoopdeckMessage(owner, tr("Hoopdeck could not save the settings in %1.\n\n"
                                               "They hold until the program ends.").arg(store->fileName()));
    }
}

} // namespace hoopdeck::app
