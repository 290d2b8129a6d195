// The Options, Help, About and Download items of the main window's menus,
// on a copy of the bundled season with a data server of the test's own.

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include <memory>

#include "test_http_server.h"
#include "season_file.h"
#include "app_test_support.h"
#include "main_form_fixture.h"
#include "child_windows.h"
#include "download_dialog.h"
#include "main_form.h"
#include "options_dialog.h"
#include "standings.h"
#include "start_up.h"
#include "viewer.h"

using namespace hoopdeck;
using hoopdeck::app::MainForm;

namespace {

constexpr int kFavoriteTeam = 11;

QAbstractItemModel *model(QWidget *form, const char *name)
{
    return form->findChild<QTableView *>(QLatin1String(name))->model();
}


} // namespace

class TestMenus : public QObject {
    Q_OBJECT

    std::unique_ptr<test::SeasonCopy> season_;
    DataPaths paths_;
    TestHttpServer server_;

    std::unique_ptr<MainForm> startForm() { return test::startMainForm(paths_); }

private slots:
    void initTestCase() { test::prepareRuntimeDir(); }

    void init()
    {
        season_ = std::make_unique<test::SeasonCopy>();
        QVERIFY(season_->isValid());
        test::writeSettings(season_->path(), kFavoriteTeam);
        QVERIFY(test::storeValues({{QStringLiteral("Server"), server_.address()}}));
        paths_ = runStartupChecks(*openSettingsStore()).paths;
        server_.mode = TestHttpServer::Mode::Reply;
    }

    void cleanup()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void optionsOpenOnceAndSaveShowsTheNewZoneAtOnce()
    {
        auto form = startForm();
        QVERIFY(form);
        QAction *options = test::menuAction(form.get(), "options");
        QVERIFY(options);
        options->trigger();
        options->trigger();
        const QList<QWidget *> dialogs = test::windowsTitled(QStringLiteral("HDK Options"), true);
        QCOMPARE(dialogs.size(), 1);
        auto *dialog = qobject_cast<app::OptionsDialog *>(dialogs.first());
        QCOMPARE(dialog->teamList()->currentText(), QStringLiteral("L.A. Lakers"));
        auto *zoneStatus = form->findChild<QLabel *>(QStringLiteral("zoneStatus"));
        QVERIFY(zoneStatus);
        QCOMPARE(zoneStatus->text(), QStringLiteral("Times in GMT-5 Eastern US"));

        // A row selected and the lists scrolled before the zone changes.
        const char *const lists[] = {"teamScheduleList", "gamesByDateList", "seasonList"};
        const int tabs[] = {MainForm::TeamTab, MainForm::TodayTab, MainForm::SeasonTab};
        QMap<QString, int> selectedRow, scrolled;
        form->resize(640, 480);
        for (int i = 0; i < 3; ++i) {
            const char *name = lists[i];
            form->selectTab(tabs[i]);
            QCoreApplication::processEvents();
            auto *view = form->findChild<QTableView *>(QLatin1String(name));
            const int row = view->model()->rowCount() / 2;
            view->selectRow(row);
            view->scrollTo(view->model()->index(row, 0), QAbstractItemView::PositionAtTop);
            selectedRow[QLatin1String(name)] = row;
            scrolled[QLatin1String(name)] = view->verticalScrollBar()->value();
        }
        QVERIFY(scrolled.value(QStringLiteral("seasonList")) > 0);

        QSignalSpy teamFills(model(form.get(), "teamScheduleList"), &QAbstractItemModel::modelReset);
        const QString shownTime = model(form.get(), "teamScheduleList")->index(0, 2).data().toString();
        dialog->zoneList()->setCurrentIndex(4);  // GMT-8 Pacific US
        dialog->teamList()->setCurrentIndex(1);
        for (QPushButton *b : dialog->findChildren<QPushButton *>()) {
            if (b->text() == QStringLiteral("Save"))
                b->click();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(test::windowsTitled(QStringLiteral("HDK Options"), true).isEmpty());
        auto store = openSettingsStore();
        QCOMPARE(store->value(QStringLiteral("OffSet")), QStringLiteral("-3"));
        QCOMPARE(store->value(QStringLiteral("Team")).toInt(), 1);

        // The lists that show times are rebuilt at once, in place; the
        // pickers keep the teams chosen in the window.
        QCOMPARE(teamFills.count(), 1);
        QCOMPARE(form->findChild<QComboBox *>(QStringLiteral("teamPicker"))->currentIndex(), kFavoriteTeam);
        QCOMPARE(zoneStatus->text(), QStringLiteral("Times in GMT-8 Pacific US"));
        Viewer reference;
        reference.paths = paths_;
        reference.settings.zoneIndex = 4;
        reference.settings.zoneOffsetHours = -3;
        reference.loadSeason();
        reference.fillTeamSchedule(kFavoriteTeam);
        reference.day.InitSelectedDate(test::mainFormStart(paths_).startDate.date);
        reference.fillGamesByDate();
        QVERIFY(reference.teamScheduleList.cell(0, 2) != shownTime);
        QVERIFY(test::sameRows(test::modelRows(*model(form.get(), "teamScheduleList")), reference.teamScheduleList));
        QVERIFY(test::sameRows(test::modelRows(*model(form.get(), "gamesByDateList")), reference.gamesByDateList));
        QVERIFY(test::sameRows(test::modelRows(*model(form.get(), "seasonList")), reference.seasonList));
        for (const char *name : lists) {
            auto *view = form->findChild<QTableView *>(QLatin1String(name));
            const QModelIndexList rows = view->selectionModel()->selectedRows();
            QCOMPARE(rows.size(), 1);
            QCOMPARE(rows.first().row(), selectedRow.value(QLatin1String(name)));
            QCOMPARE(view->verticalScrollBar()->value(), scrolled.value(QLatin1String(name)));
        }
    }

    // A list put back in place stays there when its tab next shows, though
    // its current row (the one focus gave it) lies out of sight.
    void aNewZoneLeavesTheSeasonListWhereItWas_data()
    {
        QTest::addColumn<int>("savedOn");
        QTest::newRow("saved on the Season tab") << int(MainForm::SeasonTab);
        QTest::newRow("saved on another tab") << int(MainForm::TodayTab);
    }

    void aNewZoneLeavesTheSeasonListWhereItWas()
    {
        QFETCH(int, savedOn);
        auto form = startForm();
        QVERIFY(form);
        form->resize(640, 480);
        form->selectTab(MainForm::SeasonTab);
        QCoreApplication::processEvents();
        auto *season = form->findChild<QTableView *>(QStringLiteral("seasonList"));
        season->setCurrentIndex(season->model()->index(0, 0));
        season->scrollTo(season->model()->index(season->model()->rowCount() / 2, 0),
                         QAbstractItemView::PositionAtTop);
        const int firstRowInView = season->rowAt(0);
        QVERIFY(firstRowInView > 0);
        form->selectTab(savedOn);

        test::menuAction(form.get(), "options")->trigger();
        auto *dialog =
            qobject_cast<app::OptionsDialog *>(test::windowsTitled(QStringLiteral("HDK Options"), true).value(0));
        QVERIFY(dialog);
        dialog->zoneList()->setCurrentIndex(4);
        dialog->saveButton()->click();
        form->selectTab(MainForm::SeasonTab);
        QCoreApplication::processEvents();
        QCOMPARE(season->rowAt(0), firstRowInView);
        QCOMPARE(season->currentIndex().row(), 0);
    }

    void helpAndAboutOpenOnceAndCloseWithTheProgram()
    {
        auto form = startForm();
        QVERIFY(form);
        QAction *help = test::menuAction(form.get(), "helpContents");
        QAction *about = test::menuAction(form.get(), "about");
        QVERIFY(help && about);
        help->trigger();
        help->trigger();
        QCOMPARE(test::windowsTitled(QStringLiteral("Help"), true).size(), 1);
        about->trigger();
        QCOMPARE(test::windowsTitled(QStringLiteral("About Hoopdeck"), true).size(), 1);
        form->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(test::windowsTitled(QStringLiteral("Help"), true).isEmpty());
        QVERIFY(test::windowsTitled(QStringLiteral("About Hoopdeck"), true).isEmpty());
    }

    void anOpenDownloadIsBroughtForwardAndKeepsItsFile()
    {
        server_.mode = TestHttpServer::Mode::NeverAnswer;
        auto form = startForm();
        QVERIFY(form);
        const QByteArray oldStandings = seasonFile("Standings.dat");
        test::menuAction(form.get(), "downloadStandings")->trigger();
        test::menuAction(form.get(), "downloadRosters")->trigger();
        const QList<QWidget *> dialogs = test::windowsTitled(QStringLiteral("HDK Download"), true);
        QCOMPARE(dialogs.size(), 1);
        QPointer<app::DownloadDialog> dialog = qobject_cast<app::DownloadDialog *>(dialogs.first());
        QCOMPARE(dialog->kind(), DownloadKind::Standings);
        // Ending the program during the transfer aborts it without a message.
        QTRY_VERIFY(dialog->downloader().isRunning());
        form->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!dialog);
        QFile standings(paths_.standings);
        QVERIFY(standings.open(QIODevice::ReadOnly));
        QCOMPARE(standings.readAll(), oldStandings);
    }

    void standingsDownloadRedrawsTheTitle()
    {
        auto form = startForm();
        QVERIFY(form);
        QByteArray standings = seasonFile("Standings.dat");
        standings.replace("\"2003-04\"", "\"2003-04 final\"");
        server_.reply = TestHttpServer::ok(standings);
        test::menuAction(form.get(), "downloadStandings")->trigger();
        auto *title = form->findChild<QLabel *>(QStringLiteral("titleCaption"));
        QTRY_COMPARE_WITH_TIMEOUT(title->text(), standingsTitle(QStringLiteral("2003-04 final")), 10000);
        QCOMPARE(form->statusBar()->currentMessage(),
                 QStringLiteral("Standings downloaded, %1 bytes").arg(standings.size()));
        QCOMPARE(model(form.get(), "standingsList")->rowCount(), kStandingsRowCount);
        QVERIFY(test::windowsTitled(QStringLiteral("HDK Download"), true).isEmpty());
        QTRY_VERIFY(!QApplication::overrideCursor());
    }

    // The status bar keeps the first line of the message after it is closed.
    void aFailedDownloadIsToldInTheStatusBar_data()
    {
        QTest::addColumn<QByteArray>("menu");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QString>("status");
        using M = TestHttpServer::Mode;
        QTest::newRow("standings, 404") << QByteArray("downloadStandings") << int(M::Reply) << TestHttpServer::status(404)
                                        << "Standings not downloaded: Read Error 404";
        QTest::newRow("rosters, an error page")
            << QByteArray("downloadRosters") << int(M::Reply) << TestHttpServer::ok("<html>gone</html>")
            << "Rosters not downloaded: Read Error 12152";
        QTest::newRow("rosters, closed at once") << QByteArray("downloadRosters") << int(M::CutOff) << QByteArray()
                                                 << "Rosters not downloaded: Send Request Error 12030";
    }

    void aFailedDownloadIsToldInTheStatusBar()
    {
        QFETCH(QByteArray, menu);
        QFETCH(int, mode);
        QFETCH(QByteArray, reply);
        QFETCH(QString, status);
        server_.mode = TestHttpServer::Mode(mode);
        server_.reply = reply;
        auto form = startForm();
        QVERIFY(form);
        const QByteArray oldStandings = seasonFile("Standings.dat");
        QString shown;
        QTimer closer;
        connect(&closer, &QTimer::timeout, [&] {
            for (QWidget *w : QApplication::topLevelWidgets()) {
                if (auto *box = qobject_cast<QMessageBox *>(w); box && box->isVisible()) {
                    shown = box->text();
                    box->accept();
                }
            }
        });
        closer.start(50);
        test::menuAction(form.get(), menu.constData())->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(!shown.isEmpty(), 10000);
        QTRY_COMPARE(form->statusBar()->currentMessage(), status);
        QVERIFY(shown.startsWith(status.section(QStringLiteral(": "), 1)));
        QFile standings(paths_.standings);
        QVERIFY(standings.open(QIODevice::ReadOnly));
        QCOMPARE(standings.readAll(), oldStandings);
    }

    void childWindowsOpenCentredInsideTheScreen_data()
    {
        QTest::addColumn<QByteArray>("menu");
        QTest::addColumn<QString>("title");
        QTest::newRow("Options") << QByteArray("options") << "HDK Options";
        QTest::newRow("Calendar") << QByteArray("calendarDialog") << "HDK Calendar";
        QTest::newRow("About") << QByteArray("about") << "About Hoopdeck";
        QTest::newRow("Help") << QByteArray("helpContents") << "Help";
        QTest::newRow("Download") << QByteArray("downloadStandings") << "HDK Download";
    }

    void childWindowsOpenCentredInsideTheScreen()
    {
        QFETCH(QByteArray, menu);
        QFETCH(QString, title);
        server_.mode = TestHttpServer::Mode::NeverAnswer;
        auto form = startForm();
        QVERIFY(form);
        const QRect screen = form->screen()->availableGeometry();
        // In the middle of the screen, each child lies centred over the window.
        form->setGeometry(QRect(QPoint(), QSize(640, 560)).translated(screen.center() - QPoint(320, 280)));
        test::menuAction(form.get(), menu.constData())->trigger();
        QList<QWidget *> windows = test::windowsTitled(title, true);
        QCOMPARE(windows.size(), 1);
        QWidget *child = windows.first();
        QVERIFY(screen.contains(child->frameGeometry()));
        if (child->width() < screen.width() - 16 && child->height() < screen.height() - 40)
            QVERIFY2((child->geometry().center() - form->geometry().center()).manhattanLength() <= 2,
                     qPrintable(title));
        child->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();

        // In a corner, each child stays wholly on the screen, title bar too.
        form->setGeometry(screen.right() - 300, screen.bottom() - 200, 280, 180);
        test::menuAction(form.get(), menu.constData())->trigger();
        windows = test::windowsTitled(title, true);
        QCOMPARE(windows.size(), 1);
        child = windows.first();
        const QRect withFrame = child->geometry().marginsAdded(QMargins(8, 32, 8, 8));
        QVERIFY2(screen.contains(withFrame), qPrintable(QStringLiteral("%1 at %2,%3 %4x%5").arg(title)
            .arg(child->x()).arg(child->y()).arg(child->width()).arg(child->height())));
        form->close();
    }

    void aDownloadUsesTheServerStoredNow()
    {
        // The window starts with a server where nothing answers...
        QVERIFY(test::storeValues({{QStringLiteral("Server"), QStringLiteral("127.0.0.1:1")}}));
        auto form = startForm();
        QVERIFY(form);
        // ...and hoopdeck-cli settings --server names the right one afterwards.
        QVERIFY(test::storeValues({{QStringLiteral("Server"), server_.address()}}));
        server_.reply = TestHttpServer::ok(seasonFile("Standings.dat"));
        const qsizetype requestsBefore = server_.requests.size();
        QSignalSpy standingsFills(model(form.get(), "standingsList"), &QAbstractItemModel::modelReset);
        test::menuAction(form.get(), "downloadStandings")->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(standingsFills.count(), 1, 10000);
        QCOMPARE(server_.requests.size(), requestsBefore + 1);
    }

    void rosterDownloadShowsTheSameTeamUnsorted()
    {
        auto form = startForm();
        QVERIFY(form);
        auto *picker = form->findChild<QComboBox *>(QStringLiteral("rosterPicker"));
        picker->setCurrentIndex(3);
        emit picker->activated(3);
        auto *rosterList = form->findChild<QTableView *>(QStringLiteral("rosterList"));
        QTest::mouseClick(rosterList->horizontalHeader()->viewport(), Qt::LeftButton, Qt::NoModifier,
                          QPoint(rosterList->horizontalHeader()->sectionViewportPosition(4) + 5, 5));

        QByteArray roster = seasonFile("Roster.dat");
        roster.replace("\n4,", "\n3,77,Z. Newcomer,C,7-0,260\n4,");
        server_.reply = TestHttpServer::ok(roster);
        QSignalSpy rosterFills(model(form.get(), "rosterList"), &QAbstractItemModel::modelReset);
        test::menuAction(form.get(), "downloadRosters")->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(rosterFills.count(), 1, 10000);

        Viewer reference;
        reference.paths = paths_;
        reference.loadRoster();
        reference.chooseRosterTeam(3);
        QVERIFY(test::sameRows(test::modelRows(*model(form.get(), "rosterList")), reference.rosterList));
        QCOMPARE(reference.rosterList.cell(reference.rosterList.count() - 1, 1), QStringLiteral("Z. Newcomer"));
        QCOMPARE(rosterList->horizontalHeader()->sortIndicatorSection(), -1);
        QCOMPARE(picker->currentIndex(), 3);
        QTRY_VERIFY(!QApplication::overrideCursor());

        // A second download in a row works too.
        QVERIFY(test::windowsTitled(QStringLiteral("HDK Download"), true).isEmpty());
        test::menuAction(form.get(), "downloadRosters")->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(rosterFills.count(), 2, 10000);
    }
};

QTEST_MAIN(TestMenus)
#include "tst_menus.moc"
