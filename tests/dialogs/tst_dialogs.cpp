#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QLockFile>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include "about_dialog.h"
#include "data_files.h"
#include "file_content.h"
#include "download_dialog.h"
#include "help_window.h"
#include "options_dialog.h"
#include "process_runner.h"
#include "settings_store.h"
#include "stored_settings.h"
#include "teams.h"
#include "test_http_server.h"
#include "season_file.h"
#include "file_size_limit.h"

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

// The Options dialog as the menu opens it: shown, and deleting itself once closed.
struct ShownOptions {
    OptionsDialog *dialog;
    QPointer<OptionsDialog> alive;
    explicit ShownOptions(Settings &settings) : dialog(new OptionsDialog(teamChoices(), settings)), alive(dialog)
    {
        dialog->show();
    }
    OptionsDialog *operator->() const { return dialog; }
    // Clicks the button; true once the dialog has gone.
    bool closeWith(const QString &text)
    {
        button(dialog, text)->click();
        return QTest::qWaitFor([this] { return !alive; });
    }
};
} // namespace

class DialogsTest : public QObject {
    Q_OBJECT

    QTemporaryDir home;

    std::unique_ptr<SettingsStore> freshStore()
    {
        test::clearStore();
        return openSettingsStore();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(home.isValid());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path()));
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
        ShownOptions options(settings);
        options->teamList()->setCurrentIndex(team);
        options->zoneList()->setCurrentIndex(zone);
        QVERIFY(options.closeWith(QStringLiteral("Save")));
        QCOMPARE(settings.favoriteTeam, team);
        QCOMPARE(settings.zoneIndex, zone);
        QCOMPARE(settings.zoneOffsetHours, offset);
        store = openSettingsStore();
        QCOMPARE(store->value(QStringLiteral("OffSet")), QString::number(offset));
        QCOMPARE(store->value(QStringLiteral("Index")).toInt(), zone);
        QCOMPARE(store->value(QStringLiteral("Team")).toInt(), team);
    }

    void cancelChangesNothing()
    {
        auto store = freshStore();
        Settings settings;
        ShownOptions options(settings);
        options->teamList()->setCurrentIndex(5);
        options->zoneList()->setCurrentIndex(4);
        QVERIFY(options.closeWith(QStringLiteral("Cancel")));
        QCOMPARE(settings.favoriteTeam, 0);
        QCOMPARE(settings.zoneIndex, 11);
        QCOMPARE(settings.zoneOffsetHours, 0);
        store = openSettingsStore();
        QVERIFY(store->values().isEmpty());
    }

    void aStoredValueOutsideItsListIsKept()
    {
        auto store = freshStore();
        Settings settings;
        settings.favoriteTeam = 40;
        settings.zoneIndex = 1000;
        settings.zoneOffsetHours = 3;
        ShownOptions options(settings);
        QCOMPARE(options->teamList()->currentIndex(), -1);
        QCOMPARE(options->zoneList()->currentIndex(), -1);
        options->teamList()->setCurrentIndex(2);
        QVERIFY(options.closeWith(QStringLiteral("Save")));
        QCOMPARE(settings.favoriteTeam, 2);
        QCOMPARE(settings.zoneIndex, 1000);
        QCOMPARE(settings.zoneOffsetHours, 3);
        store = openSettingsStore();
        QCOMPARE(store->value(QStringLiteral("Index")).toInt(), 1000);
        QCOMPARE(store->value(QStringLiteral("OffSet")), QStringLiteral("3"));
    }

    void optionsOpenOnTheStoredValues()
    {
        // Another program stored these after this one read its settings.
        auto store = freshStore();
        QVERIFY(store->save({{QStringLiteral("OffSet"), QStringLiteral("-3")},
                             {QStringLiteral("Team"), 5},
                             {QStringLiteral("Index"), 4},
                             {QStringLiteral("Server"), QStringLiteral("127.0.0.1:8765")}}));
        Settings settings;
        OptionsDialog dialog(teamChoices(), settings);
        QCOMPARE(dialog.teamList()->currentIndex(), 5);
        QCOMPARE(dialog.zoneList()->currentText(), QStringLiteral("GMT-8 Pacific US"));
        QCOMPARE(dialog.serverField()->text(), QStringLiteral("127.0.0.1:8765"));
        QCOMPARE(settings.favoriteTeam, 0);  // nothing changes before Save
    }

    void saveLeavesAStoredServerAlone()
    {
        auto store = freshStore();
        QVERIFY(store->save({{QStringLiteral("Server"), QStringLiteral("127.0.0.1:8765")}}));
        Settings settings;
        ShownOptions options(settings);
        // hoopdeck-cli settings --server, while the dialog is open.
        QVERIFY(test::storeValues({{QStringLiteral("Server"), QStringLiteral("10.1.2.3:9000")}}));
        options->zoneList()->setCurrentIndex(4);
        QVERIFY(options.closeWith(QStringLiteral("Save")));
        auto reread = openSettingsStore();
        QCOMPARE(reread->value(QStringLiteral("Server")), QStringLiteral("10.1.2.3:9000"));
        QCOMPARE(reread->value(QStringLiteral("OffSet")), QStringLiteral("-3"));
        QCOMPARE(settings.server, QStringLiteral("10.1.2.3:9000"));
    }

    void saveStoresATypedServer()
    {
        auto store = freshStore();
        Settings settings;
        ShownOptions options(settings);
        QLineEdit *field = options->serverField();
        field->clear();
        // Save follows the text key by key; what each wrong text is told is
        // in serverFieldKeepsWhatIsTyped.
        QTest::keyClicks(field, QStringLiteral("10.0.0."));
        QVERIFY(!options->saveButton()->isEnabled());
        QTest::keyClicks(field, QStringLiteral("7:"));
        QVERIFY(!options->saveButton()->isEnabled());
        QTest::keyClicks(field, QStringLiteral("99999"));  // the last 9 passes 65535
        QCOMPARE(field->text(), QStringLiteral("10.0.0.7:99999"));
        QVERIFY(!options->saveButton()->isEnabled());
        QTest::keyClick(field, Qt::Key_Backspace);
        QCOMPARE(field->text(), QStringLiteral("10.0.0.7:9999"));
        QVERIFY(options->saveButton()->isEnabled());
        QVERIFY(options.closeWith(QStringLiteral("Save")));
        QCOMPARE(settings.server, QStringLiteral("10.0.0.7:9999"));
        store = openSettingsStore();
        QCOMPARE(store->value(QStringLiteral("Server")), QStringLiteral("10.0.0.7:9999"));
    }

    // Typed or pasted, the text stays as it is; Save waits for an address
    // and the line under the field says what is wrong.
    void serverFieldKeepsWhatIsTyped_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("saves");
        QTest::addColumn<QString>("problem");  // empty: the usual hint
        const QString port = QStringLiteral("The port must be a number from 1 to 65535.");
        QTest::newRow("port too big") << "host:99999" << false << port;
        QTest::newRow("port 0") << "host:0" << false << port;
        QTest::newRow("not a host") << "not a host!!" << false << "An address holds no blanks.";
        QTest::newRow("a blank") << "data host" << false << "An address holds no blanks.";
        QTest::newRow("bangs") << "host!!" << false << "A host name holds only letters, digits, hyphens and dots.";
        QTest::newRow("IPv6 and port") << "[::1]:8080" << true << "";
        QTest::newRow("https IPv6") << "https://[2001:db8::7]:8443" << true << "";
        QTest::newRow("http") << "http://data.example.org" << true << "";
        QTest::newRow("https") << "https://data.example.org:8443" << true << "";
        QTest::newRow("other scheme") << "ftp://data" << false << "Only http:// or https:// may stand before the host.";
        QTest::newRow("IPv6 without brackets") << "::1" << false << "An IPv6 address goes in brackets, like [::1]:8080.";
        QTest::newRow("host of 300") << QString(300, QLatin1Char('h')) << false
                                     << "A host name has at most 253 characters.";
        QTest::newRow("empty") << "" << false << "Type a host or host:port, like 127.0.0.1:8765.";
    }

    void serverFieldKeepsWhatIsTyped()
    {
        QFETCH(QString, text);
        QFETCH(bool, saves);
        QFETCH(QString, problem);
        freshStore();
        Settings settings;
        OptionsDialog typed(teamChoices(), settings);
        OptionsDialog pasted(teamChoices(), settings);
        typed.serverField()->clear();
        QTest::keyClicks(typed.serverField(), text);
        pasted.serverField()->clear();
        QApplication::clipboard()->setText(text);
        pasted.serverField()->paste();
        for (OptionsDialog *dialog : {&typed, &pasted}) {
            QCOMPARE(dialog->serverField()->text(), text);
            QCOMPARE(dialog->saveButton()->isEnabled(), saves);
            const QString hint = dialog->findChild<QLabel *>(QStringLiteral("serverHint"))->text();
            if (problem.isEmpty())
                QVERIFY2(hint.contains(QLatin1String("https://")), qPrintable(hint));
            else
                QCOMPARE(hint, problem);
        }
    }

    void helpClosesWithEscapeAndCtrlW_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("Escape") << int(Qt::Key_Escape) << int(Qt::NoModifier);
        QTest::newRow("Ctrl+W") << int(Qt::Key_W) << int(Qt::ControlModifier);
    }

    void helpClosesWithEscapeAndCtrlW()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        LaunchHelp();
        QPointer<QWidget> help = QApplication::activeWindow();
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (w->windowTitle() == QStringLiteral("Help"))
                help = w;
        }
        QVERIFY(help && help->isVisible());
        QApplication::setActiveWindow(help);
        QVERIFY(QTest::qWaitForWindowActive(help));
        QTest::keyClick(help->findChild<QTextBrowser *>(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QTRY_VERIFY(!help);
    }

    // hoopdeck-cli settings while Options is open: Save stores only what was
    // changed in the dialog, and the command's change stays.
    void optionsAndTheCommandLineKeepEachOthersChanges_data()
    {
        QTest::addColumn<QStringList>("command");
        QTest::addColumn<QString>("field");  // changed in the dialog: team or zone
        QTest::addColumn<QStringList>("stored");  // key=value after Save
        QTest::newRow("a team by the command, a zone in the dialog")
            << QStringList{"settings", "--team", "7"} << "zone" << QStringList{"Team=7", "Index=4", "OffSet=-3"};
        QTest::newRow("a zone by the command, a team in the dialog")
            << QStringList{"settings", "--zone", "17"} << "team" << QStringList{"Team=5", "Index=17", "OffSet=2"};
        QTest::newRow("the results by the command, a team in the dialog")
            << QStringList{"settings", "--results", "off"} << "team" << QStringList{"Team=5", "Results=0", "Index=11"};
        QTest::newRow("a server by the command, a zone in the dialog")
            << QStringList{"settings", "--server", "10.1.2.3:9000"} << "zone"
            << QStringList{"Server=10.1.2.3:9000", "Index=4", "Team=0"};
    }
    void optionsAndTheCommandLineKeepEachOthersChanges()
    {
        QFETCH(QStringList, command);
        QFETCH(QString, field);
        QFETCH(QStringList, stored);
        auto store = freshStore();
        Settings settings;
        ShownOptions options(settings);
        const ProcessRun cli = runProcess(builtProgram("hoopdeck-cli"), command);
        QVERIFY2(cli.ended() && cli.exitCode == 0, qPrintable(cli.describe()));
        if (field == QLatin1String("team"))
            options->teamList()->setCurrentIndex(5);
        else
            options->zoneList()->setCurrentIndex(4);
        QVERIFY(options.closeWith(QStringLiteral("Save")));
        store = openSettingsStore();
        for (const QString &value : stored)
            QCOMPARE(value.section('=', 0, 0) + '=' + store->value(value.section('=', 0, 0)), value);
        // The program goes on with what is stored now.
        Settings now;
        LoadSettings(*store, now);
        QCOMPARE((QList<int>{settings.favoriteTeam, settings.zoneIndex, settings.zoneOffsetHours}),
                 (QList<int>{now.favoriteTeam, now.zoneIndex, now.zoneOffsetHours}));
        QCOMPARE(settings.server, now.server);
    }

    // Another program holding the settings' lock: Save says which one.
    void aLockedSaveNamesTheHolder()
    {
        auto store = freshStore();
        QVERIFY(QDir().mkpath(QFileInfo(store->location()).path()));
        QLockFile holder(store->location() + QStringLiteral(".lock"));
        QVERIFY(holder.tryLock(0));
        Settings settings;
        ShownOptions options(settings);
        options->teamList()->setCurrentIndex(5);
        MessageCatcher message;
        message.arm();
        button(options.dialog, QStringLiteral("Save"))->click();
        QTRY_VERIFY_WITH_TIMEOUT(!message.text.isEmpty(), 10000);
        QTRY_VERIFY(!options.alive);
        QVERIFY2(message.text.startsWith(QStringLiteral("Hoopdeck could not save the settings in %1: "
                                                        "settings are locked by process %2")
                                             .arg(store->location())
                                             .arg(QCoreApplication::applicationPid())),
                 qPrintable(message.text));
        QCOMPARE(settings.favoriteTeam, 5);  // it holds until the program ends
        QVERIFY(openSettingsStore()->values().isEmpty());
    }

    void optionsTabOrderFollowsTheDialog()
    {
        freshStore();
        Settings settings;
        OptionsDialog dialog(teamChoices(), settings);
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        dialog.teamList()->setFocus();
        const QList<QWidget *> order = {dialog.zoneList(), dialog.serverField(), dialog.saveButton(),
                                        button(&dialog, QStringLiteral("Cancel")), dialog.teamList()};
        for (QWidget *next : order) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
        // Alt+D goes to the data server, whatever has the focus.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_D, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), dialog.serverField());
    }

    void dialogsHaveAccessibleNames()
    {
        Settings settings;
        OptionsDialog options(teamChoices(), settings);
        AboutDialog about;
        HelpWindow help;
        for (QWidget *window : std::initializer_list<QWidget *>{&options, &about, &help}) {
            QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(window);
            QCOMPARE(accessible->text(QAccessible::Name), window->windowTitle());
        }
        for (QWidget *field : std::initializer_list<QWidget *>{options.teamList(), options.zoneList(), options.serverField()})
            QVERIFY(!QAccessible::queryAccessibleInterface(field)->text(QAccessible::Name).isEmpty());
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
        server.reply = TestHttpServer::ok(seasonFile("Standings.dat"));
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
        const QByteArray old = "0,1,Old Player,G,6-0,180\n";
        const QString path = writeFileAt(dir.filePath(QStringLiteral("Roster.dat")), old);
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
        QCOMPARE(fileContent(path), old);
    }

    void aRefusedSettingsSaveIsToldAndKeepsTheFile()
    {
        if (!FileSizeLimit::works)
            QSKIP("no file-size limit on this system");
        auto store = freshStore();
        Settings settings;
        settings.server = QStringLiteral("a-data-server-with-a-long-name.example.org:8080");
        QVERIFY(SaveSettings(*store, settings));
        const QByteArray old = fileContent(store->location());
        QVERIFY(old.size() > 120);

        ShownOptions options(settings);
        options->teamList()->setCurrentIndex(5);
        MessageCatcher message;
        message.arm();
        {
            // Room for the store's lock file, not for the settings.
            FileSizeLimit limit(100);
            button(options.dialog, QStringLiteral("Save"))->click();
            QTRY_VERIFY_WITH_TIMEOUT(!message.text.isEmpty(), 5000);
        }
        QTRY_VERIFY(!options.alive);
        QVERIFY2(message.text.startsWith(QStringLiteral("Hoopdeck could not save the settings in ")), qPrintable(message.text));
        QCOMPARE(settings.favoriteTeam, 5);  // it holds until the program ends
        QCOMPARE(fileContent(store->location()), old);
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
