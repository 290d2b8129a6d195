#include "options_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "child_windows.h"
#include "message_box.h"
#include "server_address.h"
#include "settings_choice.h"
#include "time_zones.h"

namespace hoopdeck::app {

namespace {
QGroupBox *framed(const QString &title, QWidget *content, QWidget *extra = nullptr)
{
    auto *box = new QGroupBox(title);
    auto *layout = new QVBoxLayout(box);
    layout->addWidget(content);
    if (extra)
        layout->addWidget(extra);
    return box;
}

// A stored value outside the list selects nothing.
void selectIfListed(QComboBox *list, int position)
{
    list->setCurrentIndex(position >= 0 && position < list->count() ? position : -1);
}
} // namespace

OptionsDialog::OptionsDialog(const QStringList &teamNames, Settings &settings, QWidget *parent)
    : QDialog(parent), settings_(settings), shown_(settings), teams_(new QComboBox), zones_(new QComboBox),
      server_(new QLineEdit), serverHint_(new QLabel)
{
    setWindowTitle(QLatin1String(kOptionsDialogTitle));
    setAccessibleName(windowTitle());
    setAttribute(Qt::WA_DeleteOnClose);

    // What is stored now, not what this program read at its start.
    LoadSettings(*openSettingsStore(), shown_);

    teams_->addItems(teamNames);
    for (int position = 0; position < kTimeZoneCount; ++position)
        zones_->addItem(timeZoneCaption(position), timeZone(position).hours);
    teams_->setMaxVisibleItems(15);
    zones_->setMaxVisibleItems(15);
    selectIfListed(teams_, shown_.favoriteTeam);
    selectIfListed(zones_, shown_.zoneIndex);
    teams_->setAccessibleName(tr("Favorite Team"));
    zones_->setAccessibleName(tr("Time Zone"));

    server_->setObjectName(QStringLiteral("serverField"));
    server_->setAccessibleName(tr("Data server"));
    server_->setText(shown_.server);
    server_->setPlaceholderText(QStringLiteral("127.0.0.1:8765"));
    serverHint_->setObjectName(QStringLiteral("serverHint"));
    serverHint_->setWordWrap(true);

    auto *note = new QLabel(tr("Times in the lists change as soon as you save; "
                               "the favourite team opens at the next start."));
    note->setWordWrap(true);

    auto *buttons = new QDialogButtonBox;
    saveButton_ = buttons->addButton(tr("Save"), QDialogButtonBox::AcceptRole);
    QPushButton *cancelButton = buttons->addButton(tr("&Cancel"), QDialogButtonBox::RejectRole);
    saveButton_->setDefault(true);
    connect(saveButton_, &QPushButton::clicked, this, &OptionsDialog::save);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(server_, &QLineEdit::textChanged, this, &OptionsDialog::checkServer);
    checkServer();

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(framed(tr(" &Favorite Team "), teams_));
    layout->addWidget(framed(tr(" Time &Zone "), zones_));
    layout->addWidget(framed(tr(" &Data server "), server_, serverHint_));
    layout->addWidget(note);
    layout->addStretch();
    layout->addWidget(buttons);
    setMinimumWidth(340);

    setTabOrder(teams_, zones_);
    setTabOrder(zones_, server_);
    setTabOrder(server_, saveButton_);
    setTabOrder(saveButton_, cancelButton);
}

// The text stays as typed or pasted; what keeps it from being an address
// is said beside it, and Save waits until there is nothing to say.
void OptionsDialog::checkServer()
{
    const QString problem = serverAddressProblem(server_->text());
    saveButton_->setEnabled(problem.isEmpty());
    serverHint_->setText(problem.isEmpty() ? tr("A host or host:port, http:// or https:// before it if you like; "
                                                "port 80 (443 for https) when none is given.")
                                           : problem);
}

void OptionsDialog::save()
{
    if (checkServerAddress(server_->text()) != ServerAddressState::Acceptable)
        return;
    // Only what was changed here is saved: a field left as it opened keeps
    // what is stored, even a value stored while the dialog was open.
    SettingsChoice choice;
    if (teams_->currentIndex() >= 0 && teams_->currentIndex() != shown_.favoriteTeam)
        choice.set(SettingId::Team, teams_->currentIndex());
    if (zones_->currentIndex() >= 0 && zones_->currentIndex() != shown_.zoneIndex)
        choice.set(SettingId::Index, zones_->currentIndex());
    if (server_->text() != shown_.server)
        choice.set(SettingId::Server, server_->text());
    const std::unique_ptr<SettingsStore> store = openSettingsStore();
    Settings saving = shown_;
    const SettingsSaveResult stored = saveChoice(*store, saving, choice);
    // The running program takes what is stored now, another program's
    // changes included; when nothing could be stored, what was shown.
    if (stored)
        LoadSettings(*store, saving);
    settings_.favoriteTeam = saving.favoriteTeam;
    settings_.zoneIndex = saving.zoneIndex;
    settings_.zoneOffsetHours = saving.zoneOffsetHours;
    settings_.server = saving.server;
    QWidget *owner = parentWidget();
    emit saved();
    accept();
    if (!stored) {
        ShowHoopdeckMessage(owner, tr("Hoopdeck could not save the settings in %1: %2\n\n"
                                      "They hold until the program ends.")
                                       .arg(store->location(), stored.reason));
    }
}

} // namespace hoopdeck::app
