#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include "about_dialog.h"
#include "download_dialog.h"
#include "help_window.h"
#include "options_dialog.h"
#include "settings_store.h"
#include "teams.h"
#include "../download/test_http_server.h"
#include "../season_file.h"
#include "../file_size_limit.h"

using namespace hoopdeck;
using namespace hoopdeck::app;

namespace {
QPushButton *button(QWidget *dialog, const QString &text)
{
    for (QPushButton *b : dialog->findChildren<QPushButton *>()) {
        if (QString(b->text()).remove(QLatin1Char('&')) == text)
            return b;
    }
    return nullptr;
}

// Accepts the next message box and keeps its caption and text.
struct MessageCatcher {
    QString caption, text;
    void arm()
    {
        QTimer::singleShot(50, [this] {
            for (QWidget *w : QApplication::topLevelWidgets()) {
                if (auto *box = qobject_cast<QMessageBox *>(w); box && box->isVisible()) {
                    caption = box->windowTitle();
                    text = box->text();
                    box->accept();
                    return;
                }
            }
            arm();
        });
    }
};
} // namespace

class DialogsTest : public QObject {
    Q_OBJECT

    QTemporaryDir home;

    std::unique_ptr<QSettings> freshStore()
    {
        auto store = openSettingsStore();
        store->clear();
        store->sync();
        return store;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(home.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, home.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, home.path());
    }

    void optionsOpenOnTheCurrentSettings()
    {
        Settings settings;
        OptionsDialog dialog(teamChoices(), settings);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("HDK Options"));
        QCOMPARE(dialog.teamList()->currentText(), QStringLiteral("Atlanta"));
        QCOMPARE(dialog.zoneList()->currentText(), QStringLiteral("GMT-5 Eastern US"));
        QCOMPARE(dialog.teamList()->count(), 29);
        QCOMPARE(dialog.zoneList()->count(), 70);
    }

    void saveStoresTheChoice_data()
    {
        QTest::addColumn<int>("team");
        QTest::addColumn<int>("zone");
        QTest::addColumn<int>("offset");
        QTest::newRow("Pacific, Boston") << 1 << 4 << -3;
        QTest::newRow("Newfoundland") << 0 << 17 << 2;
        QTest::newRow("Tonga") << 28 << 69 << 18;
    }

    void saveStoresTheChoice()
    {
        QFETCH(int, team);
        QFETCH(int, zone);
        QFETCH(int, offset);
        auto store = freshStore();
        Settings settings;
        auto *dialog = new OptionsDialog(teamChoices(), settings);
        QPointer<OptionsDialog> alive(dialog);
        dialog->show();
        dialog->teamList()->setCurrentIndex(team);
        dialog->zoneList()->setCurrentIndex(zone);
        button(dialog, QStringLiteral("Save"))->click();
        QTRY_VERIFY(!alive);
        QCOMPARE(settings.favoriteTeam, team);
        QCOMPARE(settings.zoneIndex, zone);
        QCOMPARE(settings.zoneOffsetHours, offset);
        store->sync();
        QCOMPARE(store->value(QStringLiteral("OffSet")).toString(), QString::number(offset));
        QCOMPARE(store->value(QStringLiteral("Index")).toInt(), zone);
        QCOMPARE(store->value(QStringLiteral("Team")).toInt(), team);
    }

    void cancelChangesNothing()
    {
        auto store = freshStore();
        Settings settings;
        auto *dialog = new OptionsDialog(teamChoices(), settings);
        QPointer<OptionsDialog> alive(dialog);
        dialog->show();
        dialog->teamList()->setCurrentIndex(5);
        dialog->zoneList()->setCurrentIndex(4);
        button(dialog, QStringLiteral("Cancel"))->click();
        QTRY_VERIFY(!alive);
        QCOMPARE(settings.favoriteTeam, 0);
        QCOMPARE(settings.zoneIndex, 11);
        QCOMPARE(settings.zoneOffsetHours, 0);
        store->sync();
        QVERIFY(store->allKeys().isEmpty());
    }

    void aStoredValueOutsideItsListIsKept()
    {
        auto store = freshStore();
        Settings settings;
        settings.favoriteTeam = 40;
        settings.zoneIndex = 1000;
        settings.zoneOffsetHours = 3;
        auto *dialog = new OptionsDialog(teamChoices(), settings);
        QPointer<OptionsDialog> alive(dialog);
        QCOMPARE(dialog->teamList()->currentIndex(), -1);
        QCOMPARE(dialog->zoneList()->currentIndex(), -1);
        dialog->show();
        dialog->teamList()->setCurrentIndex(2);
        button(dialog, QStringLiteral("Save"))->click();
        QTRY_VERIFY(!alive);
        QCOMPARE(settings.favoriteTeam, 2);
        QCOMPARE(settings.zoneIndex, 1000);
        QCOMPARE(settings.zoneOffsetHours, 3);
        store->sync();
        QCOMPARE(store->value(QStringLiteral("Index")).toInt(), 1000);
        QCOMPARE(store->value(QStringLiteral("OffSet")).toString(), QStringLiteral("3"));
    }

    void aboutEndsWhenAnotherWindowIsActivated()
    {
        QWidget other;
        other.show();
        auto *about = new AboutDialog;
        QPointer<AboutDialog> alive(about);
        QCOMPARE(about->windowTitle(), QStringLiteral("About Hoopdeck"));
        about->show();
        QApplication::setActiveWindow(about);
        QTRY_VERIFY(about->isActiveWindow());
        QApplication::setActiveWindow(&other);
        QTRY_VERIFY(!alive);
    }

    void helpOpensAtItsContentsOnceAndCloses()
    {
        LaunchHelp();
        LaunchHelp();
        QList<HelpWindow *> windows;
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (auto *help = qobject_cast<HelpWindow *>(w))
                windows.append(help);
        }
        QCOMPARE(windows.size(), 1);
        HelpWindow *help = windows.first();
        QCOMPARE(help->windowTitle(), QStringLiteral("Help"));
        QCOMPARE(help->browser()->source().fragment(), QStringLiteral("Main_Contents"));
        QVERIFY(help->browser()->toPlainText().contains(QStringLiteral("Roster")));
        QPointer<HelpWindow> alive(help);
        QVERIFY(CloseHelpViewer());
        QTRY_VERIFY(!alive);
        QVERIFY(!CloseHelpViewer());
    }

    void downloadShowsItsStepsAndReportsSuccess()
    {
        TestHttpServer server;
        QFile standings(QStringLiteral(HOOPDECK_SEASON_DIR "/Standings.dat"));
        QVERIFY(standings.open(QIODevice::ReadOnly));
        server.reply = TestHttpServer::ok(standings.readAll());
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Standings.dat"));
        QWidget mainForm;
        auto *dialog = new DownloadDialog(DownloadKind::Standings, server.address(), path, &mainForm);
        QPointer<DownloadDialog> alive(dialog);
        QSignalSpy downloaded(dialog, &DownloadDialog::downloaded);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("HDK Download"));
        QCOMPARE(dialog->stepCaption(), QStringLiteral("Connecting to Internet"));
        QSignalSpy began(&dialog->downloader(), &Downloader::replyBegan);
        dialog->show();
        QVERIFY(began.wait(5000));
        QCOMPARE(dialog->stepCaption(), QStringLiteral("Downloading Standings"));
        QTRY_COMPARE(downloaded.count(), 1);
        QTRY_VERIFY(!alive);
        QVERIFY(QFile::exists(path));
    }

    void downloadFailureIsToldOverTheMainForm()
    {
        TestHttpServer server;
        server.reply = TestHttpServer::status(404);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Roster.dat"));
        QWidget mainForm;
        auto *dialog = new DownloadDialog(DownloadKind::Rosters, server.address(), path, &mainForm);
        QPointer<DownloadDialog> alive(dialog);
        QCOMPARE(dialog->stepCaption(), QStringLiteral("Downloading Rosters"));
        QSignalSpy downloaded(dialog, &DownloadDialog::downloaded);
        MessageCatcher message;
        message.arm();
        dialog->show();
        QTRY_VERIFY_WITH_TIMEOUT(!alive, 10000);
        QCOMPARE(message.caption, QStringLiteral("Hoopdeck"));
        QCOMPARE(message.text, QStringLiteral("Read Error 404\nError"));
        QCOMPARE(downloaded.count(), 0);
        QVERIFY(!QFile::exists(path));
    }

    // A write the system refuses (a full disk) is a failure the user is
    // told of, and the old file stays.
    void aRefusedWriteIsToldAndKeepsTheFile()
    {
        if (!FileSizeLimit::works)
            QSKIP("no file-size limit on this system");
        TestHttpServer server;
        const QByteArray fresh = seasonFile("Roster.dat");
        server.reply = TestHttpServer::ok(fresh);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Roster.dat"));
        const QByteArray old = "0,1,Old Player,G,6-0,180\n";
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(old) == old.size());
        }
        QWidget mainForm;
        auto *dialog = new DownloadDialog(DownloadKind::Rosters, server.address(), path, &mainForm);
        QPointer<DownloadDialog> alive(dialog);
        QSignalSpy downloaded(dialog, &DownloadDialog::downloaded);
        MessageCatcher message;
        message.arm();
        {
            FileSizeLimit limit(fresh.size() / 2);
            dialog->show();
            QTRY_VERIFY_WITH_TIMEOUT(!alive, 10000);
        }
        QCOMPARE(message.caption, QStringLiteral("Hoopdeck"));
        QVERIFY2(message.text.startsWith(QStringLiteral("File Error %1\nError\nRoster.dat was left as it was").arg(EFBIG)),
                 qPrintable(message.text));
        QCOMPARE(downloaded.count(), 0);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), old);
    }

    void aRefusedSettingsSaveIsToldAndKeepsTheFile()
    {
        if (!FileSizeLimit::works)
            QSKIP("no file-size limit on this system");
        auto store = freshStore();
        Settings settings;
        settings.server = QStringLiteral("a-data-server-with-a-long-name.example.org:8080");
        QVERIFY(SaveSettings(*store, settings));
        QFile file(store->fileName());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray old = file.readAll();
        file.close();
        QVERIFY(old.size() > 120);

        auto *dialog = new OptionsDialog(teamChoices(), settings);
        QPointer<OptionsDialog> alive(dialog);
        dialog->show();
        dialog->teamList()->setCurrentIndex(5);
        MessageCatcher message;
        message.arm();
        {
            // Room for the store's lock file, not for the settings.
            FileSizeLimit limit(100);
            button(dialog, QStringLiteral("Save"))->click();
            QTRY_VERIFY_WITH_TIMEOUT(!message.text.isEmpty(), 5000);
        }
        QTRY_VERIFY(!alive);
        QVERIFY2(message.text.startsWith(QStringLiteral("Hoopdeck could not save the settings in ")), qPrintable(message.text));
        QCOMPARE(settings.favoriteTeam, 5);  // it holds until the program ends
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), old);
    }

    void cancelEndsTheTransferSilently()
    {
        TestHttpServer server;
        server.mode = TestHttpServer::Mode::Stall;
        server.reply = "HTTP/1.1 200 OK\r\nContent-Length: 5000\r\n\r\n0,1,";
        QTemporaryDir dir;
        QWidget mainForm;
        auto *dialog = new DownloadDialog(DownloadKind::Rosters, server.address(),
                                          dir.filePath(QStringLiteral("Roster.dat")), &mainForm);
        QPointer<DownloadDialog> alive(dialog);
        QSignalSpy began(&dialog->downloader(), &Downloader::replyBegan);
        dialog->show();
        QVERIFY(began.wait(5000));
        button(dialog, QStringLiteral("Cancel"))->click();
        QTRY_VERIFY(!alive);
        for (QWidget *w : QApplication::topLevelWidgets())
            QVERIFY(!qobject_cast<QMessageBox *>(w));
    }
};

QTEST_MAIN(DialogsTest)
#include "tst_dialogs.moc"
