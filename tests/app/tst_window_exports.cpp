// File > Export in the window: the list in sight as CSV, with the columns
// the window shows, and the Team tab's schedule as a calendar, each written
// whole or not at all.

#include <QAction>
#include <QComboBox>
#include <QImage>
#include <QFile>
#include <QMenu>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include "app_test_support.h"
#include "export_actions.h"
#include "main_form.h"
#include "main_form_fixture.h"
#include "season.h"

using namespace hoopdeck;
using hoopdeck::app::MainForm;

namespace {
constexpr int kFavoriteTeam = 1;  // Boston

QStringList records(const QByteArray &csv)
{
    QStringList lines = QString::fromUtf8(csv).split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

class TestExports : public QObject {
    Q_OBJECT
    std::unique_ptr<test::SeasonCopy> season_;
    DataPaths paths_;

private slots:
    void initTestCase()
    {
        test::prepareRuntimeDir();
        season_ = std::make_unique<test::SeasonCopy>();
        QVERIFY(season_->isValid());
        paths_ = dataPathsFor(season_->path());
    }
    void init() { test::writeSettings(season_->path(), kFavoriteTeam); }

    void exportMenuStandsInFile()
    {
        auto form = test::startMainForm(paths_);
        QVERIFY(form);
        auto *menu = form->findChild<QMenu *>(QStringLiteral("exportMenu"));
        QVERIFY(menu);
        QCOMPARE(menu->title().remove('&'), "Export");
        QStringList items;
        for (QAction *action : menu->actions())
            items.append(action->text().remove('&'));
        QCOMPARE(items, (QStringList{"Team Schedule (.ics)...", "List as CSV...", "Chart as PNG..."}));
        auto *file = form->findChild<QMenu *>(QStringLiteral("fileMenu"));
        QVERIFY(file && file->actions().contains(menu->menuAction()));
    }

    void listInSightAsCsv_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QByteArray>("results");  // the View > Show Results item taken
        QTest::addColumn<QString>("captions");
        QTest::addColumn<QString>("firstRow");
        QTest::addColumn<int>("rows");
        QTest::newRow("standings") << int(MainForm::StandingsTab) << QByteArray("showResults") << "Team,W,L,GB,Pct"
                                   << ",,,," << 33;
        QTest::newRow("today") << int(MainForm::TodayTab) << QByteArray("showResults") << "Game,Time,Score"
                               << "All-Star Game @ All-Star Game,8:00p," << 1;
        QTest::newRow("team") << int(MainForm::TeamTab) << QByteArray("showResults") << "Date,Game,Time,Result,Record"
                              << "10/29, vs Miami,7:00p,W 98-75,1-0" << 82 + 1 + 4;  // and the playoffs
        QTest::newRow("team, no results") << int(MainForm::TeamTab) << QByteArray("hideResults") << "Date,Game,Time"
                                          << "10/29, vs Miami,7:00p" << 82;
        QTest::newRow("team, results up to the day") << int(MainForm::TeamTab) << QByteArray("showResultsUpToDay")
                                                     << "Date,Game,Time,Result,Record"
                                                     << "10/29, vs Miami,7:00p,W 98-75,1-0" << 82;
        QTest::newRow("roster") << int(MainForm::RosterTab) << QByteArray("showResults") << "#,Player,Pos,Ht,Wt"
                                << "0,W. McCarty,F,6-10,230" << -1;
        QTest::newRow("season") << int(MainForm::SeasonTab) << QByteArray("showResults") << "Date,Game,Time,Score"
                                << "10/28,Miami @ Philadelphia,7:00p,74-89" << 1190;
        QTest::newRow("season, no results") << int(MainForm::SeasonTab) << QByteArray("hideResults") << "Date,Game,Time"
                                            << "10/28,Miami @ Philadelphia,7:00p" << 1190;
    }
    void listInSightAsCsv()
    {
        QFETCH(int, tab);
        QFETCH(QByteArray, results);
        QFETCH(QString, captions);
        QFETCH(QString, firstRow);
        QFETCH(int, rows);
        auto form = test::startMainForm(paths_);
        QVERIFY(form);
        QAction *choice = test::menuAction(form.get(), results.constData());
        QVERIFY(choice);
        if (!choice->isChecked())
            choice->trigger();
        form->selectTab(tab);
        auto *tabs = form->findChild<QTabWidget *>(QStringLiteral("tabs"));
        QTableView *view = app::listInSight(tabs);
        QVERIFY(view);
        const QByteArray csv = app::listAsCsv(view);
        QVERIFY(csv.endsWith("\r\n"));
        const QStringList lines = records(csv);
        QCOMPARE(lines.value(0), captions);
        QCOMPARE(lines.value(1), firstRow);
        QCOMPARE(lines.size() - 1, rows < 0 ? view->model()->rowCount() : rows);

        QTemporaryDir dir;
        const QString path = dir.filePath("list.csv");
        QVERIFY(app::saveListAsCsv(path, view).ok);
        QCOMPARE(fileBytes(path), csv);
        test::menuAction(form.get(), "showResults")->trigger();
    }

    // With results up to the day shown (15 February), a later game shows no
    // result, an earlier one does; the columns stay.
    void resultsUpToTheDayStopThere()
    {
        auto form = test::startMainForm(paths_);
        QVERIFY(form);
        test::menuAction(form.get(), "showResultsUpToDay")->trigger();
        form->selectTab(MainForm::TeamTab);
        const QStringList lines = records(app::listAsCsv(app::listInSight(form->findChild<QTabWidget *>("tabs"))));
        test::menuAction(form.get(), "showResults")->trigger();
        QCOMPARE(lines.size(), 1 + 82);
        int before = 0, after = 0;
        for (const QString &line : lines.mid(1)) {
            const QStringList cells = line.split(',');
            QCOMPARE(cells.size(), 5);
            const int month = cells.at(0).section('/', 0, 0).toInt();
            const QDate date(month >= 10 ? 2003 : 2004, month, cells.at(0).section('/', 1, 1).toInt());
            const bool shown = date <= QDate(2004, 2, 15);
            QVERIFY2(cells.at(3).isEmpty() != shown && cells.at(4).isEmpty() != shown, qPrintable(line));
            (shown ? before : after) += 1;
        }
        QVERIFY(before > 0 && after > 0);
    }

    void teamScheduleAsCalendar_data()
    {
        QTest::addColumn<int>("results");
        QTest::addColumn<int>("descriptions");
        QTest::newRow("all results") << int(ResultsShown::All) << 82;
        QTest::newRow("no results") << int(ResultsShown::None) << 0;
        QTest::newRow("up to the day") << int(ResultsShown::UpToDay) << 54;  // as many as the Team list shows results
    }
    void teamScheduleAsCalendar()
    {
        QFETCH(int, results);
        QFETCH(int, descriptions);
        Viewer viewer;
        viewer.paths = paths_;
        viewer.loadSchedule();
        viewer.settings.results = ResultsShown(results);
        viewer.day.InitSelectedDate(QDate(2004, 2, 15));
        QTemporaryDir dir;
        const QString path = dir.filePath("Boston.ics");
        QVERIFY(app::saveTeamCalendar(path, viewer, kFavoriteTeam).ok);
        const QByteArray calendar = fileBytes(path);
        QVERIFY(calendar.startsWith("BEGIN:VCALENDAR\r\nVERSION:2.0\r\n"));
        QCOMPARE(calendar.count("BEGIN:VEVENT\r\n"), 82);
        QCOMPARE(calendar.count("\r\nDESCRIPTION:Final: "), descriptions);
        QVERIFY(calendar.contains("\r\nSUMMARY:Miami @ Boston\r\n"));
    }

    // The race as drawn, at the size it is shown, as a picture that reads back.
    void raceChartAsPng()
    {
        auto form = test::startMainForm(paths_);
        QVERIFY(form);
        form->resize(800, 700);
        form->selectTab(MainForm::StandingsTab);
        form->findChild<QComboBox *>(QStringLiteral("standingsChoice"))->setCurrentIndex(2);
        auto *chart = form->findChild<QWidget *>(QStringLiteral("raceChart"));
        QVERIFY(chart && chart->isVisible());
        QTemporaryDir dir;
        const QString path = dir.filePath("race.png");
        QVERIFY(app::saveChartAsPng(path, chart).ok);
        const QImage saved(path);
        QCOMPARE(saved.size(), chart->grab().size());
        QVERIFY(saved.width() >= 600 && saved.height() >= 400);
        QCOMPARE(saved, chart->grab().toImage().convertToFormat(saved.format()));
        QVERIFY(!app::saveChartAsPng(dir.filePath("no folder/race.png"), chart).ok);
    }

    // A file that cannot be written is told with its reason, and nothing is left.
    void failedSavesSayWhy()
    {
        QTemporaryDir dir;
        Viewer viewer;
        viewer.paths = paths_;
        viewer.loadSchedule();
        const QString missing = dir.filePath("no folder/Boston.ics");
        const FileWriteResult calendar = app::saveTeamCalendar(missing, viewer, kFavoriteTeam);
        QVERIFY(!calendar.ok);
        QVERIFY(!calendar.reason.isEmpty());
        QVERIFY(!QFile::exists(missing));
        const FileWriteResult folder = app::saveTeamCalendar(dir.path(), viewer, kFavoriteTeam);
        QVERIFY(!folder.ok);
        QVERIFY(!folder.reason.isEmpty());
    }
};

QTEST_MAIN(TestExports)
#include "tst_window_exports.moc"
