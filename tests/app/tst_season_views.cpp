// What the window adds to the season's views: final scores that can be
// hidden, the favourite team in bold, lists and calendars that open on the
// selected day, and this day in the season when today lies outside it.

#include <QAction>
#include <QApplication>
#include <QCalendarWidget>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableView>
#include <QStyle>
#include <QTest>
#include <QTextCharFormat>

#include <memory>

#include "loaded_season.h"
#include "app_test_support.h"
#include "main_form_fixture.h"
#include "child_windows.h"
#include "main_form.h"
#include "game_window.h"
#include "race_chart.h"
#include "playoff_games.h"
#include "season.h"
#include "start_date.h"
#include "season_file.h"
#include "settings_store.h"
#include "team_rows.h"
#include "team_schedule_view.h"
#include "teams.h"
#include "view_columns.h"
#include "viewer.h"

using namespace hoopdeck;
using hoopdeck::app::MainForm;

namespace {
constexpr int kFavoriteTeam = 11;  // L.A. Lakers
const QDate kToday(2004, 2, 15);   // HOOPDECK_TODAY of every test

QTableView *list(QWidget *form, const char *name)
{
    return form->findChild<QTableView *>(QLatin1String(name));
}

QList<int> hiddenColumns(QTableView *view)
{
    QList<int> hidden;
    for (int c = 0; c < view->model()->columnCount(); ++c) {
        if (view->isColumnHidden(c))
            hidden.append(c);
    }
    return hidden;
}

bool isBold(QTableView *view, int row)
{
    return view->model()->index(row, 0).data(Qt::FontRole).value<QFont>().bold();
}

// The row stands at the top of the list, or as near as the end of the list lets it.
bool atTop(QTableView *view, int row)
{
    const bool scrolledToEnd = view->verticalScrollBar()->value() == view->verticalScrollBar()->maximum();
    return view->rowAt(0) == row || (scrolledToEnd && view->rowAt(0) > 0 && view->rowAt(0) < row);
}

// The rightmost column of pixels of the widget, in the window's
// coordinates, that differs from its background; -1 for none.
int rightmostInk(QWidget *widget)
{
    const QImage image = widget->grab().toImage();
    const QRgb background = widget->palette().color(widget->backgroundRole()).rgb();
    for (int x = image.width() - 1; x >= 0; --x) {
        for (int y = 0; y < image.height(); ++y) {
            if (image.pixel(x, y) != background)
                return widget->mapTo(widget->window(), QPoint(x, 0)).x();
        }
    }
    return -1;
}

TextTable bundledSchedule()
{
    TextTable scheduleTable, seasonList;
    loadSeasonFileTables(QStringLiteral(HOOPDECK_SEASON_DIR "/Season.dat"), {}, scheduleTable, seasonList);
    return scheduleTable;
}
} // namespace

class TestSeasonViews : public QObject {
    Q_OBJECT
    std::unique_ptr<test::SeasonCopy> season_;
    DataPaths paths_;

    std::unique_ptr<MainForm> startForm() { return test::startMainForm(paths_); }

private slots:
    void initTestCase()
    {
        test::prepareRuntimeDir();
        season_ = std::make_unique<test::SeasonCopy>();
        QVERIFY(season_->isValid());
        paths_ = dataPathsFor(season_->path());
    }
    void init() { test::writeSettings(season_->path(), kFavoriteTeam); }

    void resultColumnsFollowShowResults()
    {
        auto form = startForm();
        QVERIFY(form);
        QAction *item = test::menuAction(form.get(), "showResults");
        QVERIFY(item && item->isCheckable() && item->isChecked());
        // The menu stands between File and Tools; the others keep their order.
        QStringList menus;
        for (QAction *menu : form->menuBar()->actions())
            menus.append(menu->text().remove('&'));
        QCOMPARE(menus, (QStringList{"File", "View", "Tools", "Help"}));

        const char *lists[] = {"gamesByDateList", "teamScheduleList", "seasonList"};
        const QList<int> resultColumns[] = {{2}, {3, 4}, {3}};
        for (const char *name : lists)
            QCOMPARE(hiddenColumns(list(form.get(), name)), QList<int>());
        QCOMPARE(list(form.get(), "seasonList")->model()->index(0, 3).data().toString(), "74-89");

        item->trigger();
        for (int i = 0; i < 3; ++i)
            QCOMPARE(hiddenColumns(list(form.get(), lists[i])), resultColumns[i]);
        QCOMPARE(openSettingsStore()->value("Results"), "0");

        // The next start keeps the choice.
        form.reset();
        form = startForm();
        QVERIFY(form);
        QVERIFY(!test::menuAction(form.get(), "showResults")->isChecked());
        for (int i = 0; i < 3; ++i)
            QCOMPARE(hiddenColumns(list(form.get(), lists[i])), resultColumns[i]);
        test::menuAction(form.get(), "showResults")->trigger();
        for (const char *name : lists)
            QCOMPARE(hiddenColumns(list(form.get(), name)), QList<int>());
        QCOMPARE(openSettingsStore()->value("Results"), "1");
    }

    void noResultsNoColumns()
    {
        // A schedule as a data server gives it: no game has a result.
        test::SeasonCopy plain;
        QFile file(plain.path() + "/Season.dat");
        QVERIFY(file.open(QIODevice::ReadOnly));
        QByteArray schedule;
        for (const QByteArray &line : file.readAll().split('\n')) {
            if (!line.isEmpty())
                schedule += line.split(',').mid(0, 3).join(',') + '\n';
        }
        file.close();
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(schedule) == schedule.size());
        file.close();
        test::writeSettings(plain.path(), kFavoriteTeam);
        MainForm form(test::mainFormStart(dataPathsFor(plain.path())));
        QSignalSpy ready(&form, &MainForm::loadingFinished);
        form.show();
        QVERIFY(ready.wait(10000));
        QVERIFY(test::menuAction(&form, "showResults")->isChecked());
        QCOMPARE(hiddenColumns(list(&form, "gamesByDateList")), QList<int>{2});
        QCOMPARE(hiddenColumns(list(&form, "teamScheduleList")), (QList<int>{3, 4}));
        QCOMPARE(hiddenColumns(list(&form, "seasonList")), QList<int>{3});
    }

    // A wide window's spare width lies beyond the columns: the texts and the
    // standings title stay by the first columns, with or without results.
    void spareWidthStaysBlank_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("widget");
        QTest::addColumn<QString>("results");  // the View > Show Results item chosen, if any
        QTest::newRow("the standings title") << int(MainForm::StandingsTab) << "titleCaption" << "";
        QTest::newRow("Today, no results") << int(MainForm::TodayTab) << "gamesByDateList" << "hideResults";
        QTest::newRow("Team, no results") << int(MainForm::TeamTab) << "teamScheduleList" << "hideResults";
        QTest::newRow("Season, no results") << int(MainForm::SeasonTab) << "seasonList" << "hideResults";
        QTest::newRow("Season, all results") << int(MainForm::SeasonTab) << "seasonList" << "";
    }

    void spareWidthStaysBlank()
    {
        QFETCH(int, tab);
        QFETCH(QString, widget);
        QFETCH(QString, results);
        auto form = startForm();
        QVERIFY(form);
        form->resize(1600, 900);
        if (!results.isEmpty())
            test::menuAction(form.get(), qPrintable(results))->trigger();
        form->selectTab(tab);
        QCoreApplication::processEvents();
        auto *shown = form->findChild<QWidget *>(widget);
        QWidget *drawn = qobject_cast<QTableView *>(shown) ? qobject_cast<QTableView *>(shown)->viewport() : shown;
        const int ink = rightmostInk(drawn);
        QVERIFY(ink > 0);
        QVERIFY2(ink < form->width() / 2, qPrintable(QString::number(ink)));
    }

    void favoriteRowsInBold()
    {
        auto form = startForm();
        QVERIFY(form);
        const QString lakers = teamDisplayName(kFavoriteTeam);
        QTableView *standings = list(form.get(), "standingsList");
        int boldRows = 0;
        for (int row = 0; row < standings->model()->rowCount(); ++row) {
            const bool favorite = standings->model()->index(row, 0).data().toString() == lakers;
            QCOMPARE(isBold(standings, row), favorite);
            boldRows += favorite;
        }
        QCOMPARE(boldRows, 1);

        QTableView *season = list(form.get(), "seasonList");
        boldRows = 0;
        for (int row = 0; row < season->model()->rowCount(); ++row) {
            const QStringList teams = season->model()->index(row, 1).data().toString().split(" @ ");
            QCOMPARE(isBold(season, row), teams.contains(lakers));
            boldRows += isBold(season, row);
        }
        QCOMPARE(boldRows, 82);
        // The L.A. Clippers are another team.
        QVERIFY(!gameHasTeam("L.A. Clippers @ Utah", kFavoriteTeam));

        // The day of the All-Star Game: no game of the Lakers, nothing bold.
        QTableView *today = list(form.get(), "gamesByDateList");
        QCOMPARE(today->model()->rowCount(), 1);
        QVERIFY(!isBold(today, 0));
        form->findChild<QPushButton *>("dayForward")->click();  // 02/16: no games
        form->findChild<QPushButton *>("dayForward")->click();  // 02/17: the Lakers play
        int lakersGames = 0;
        for (int row = 0; row < today->model()->rowCount(); ++row) {
            const bool favorite = today->model()->index(row, 0).data().toString().contains(lakers);
            QCOMPARE(isBold(today, row), favorite);
            lakersGames += favorite;
        }
        QCOMPARE(lakersGames, 1);
    }

    // The standings as they stood on the day Today shows, following it.
    void standingsOnTheDayFollowToday()
    {
        auto form = startForm();
        QVERIFY(form);
        auto *choice = form->findChild<QComboBox *>(QStringLiteral("standingsChoice"));
        auto *title = form->findChild<QLabel *>(QStringLiteral("titleCaption"));
        QVERIFY(choice && title);
        QCOMPARE(choice->currentText(), "Final");
        QCOMPARE(title->text(), "   2003-04 NBA Standings   ");
        QCOMPARE(choice->itemText(1), "On 02/15/2004");

        Viewer reference;
        reference.paths = paths_;
        reference.loadStandings();
        reference.loadSeason();
        for (const auto &[steps, caption] : {std::pair{0, "02/15/2004"}, std::pair{2, "02/17/2004"}}) {
            for (int i = 0; i < steps; ++i)
                QTest::mouseClick(form->findChild<QPushButton *>(QStringLiteral("dayForward")), Qt::LeftButton);
            choice->setCurrentIndex(1);
            QCOMPARE(title->text(), QStringLiteral("   2003-04 NBA Standings on %1   ").arg(caption));
            QCOMPARE(choice->currentText(), QStringLiteral("On %1").arg(caption));
            reference.day.selectDay(dayNumber(QDate::fromString(caption, "MM/dd/yyyy")));
            reference.fillStandingsOnDay();
            QTableView *day = list(form.get(), "standingsDayList");
            QVERIFY(day->isVisible() && !list(form.get(), "standingsList")->isVisible());
            QCOMPARE(day->model()->columnCount(), 11);
            QVERIFY(test::sameRows(test::modelRows(*day->model()), reference.standingsDayList));
        }
        // The games of 2/16 and 2/17 moved the records on.
        QVERIFY(!test::sameRows(test::modelRows(*list(form.get(), "standingsDayList")->model()), reference.standingsList));
        choice->setCurrentIndex(0);
        QCOMPARE(title->text(), "   2003-04 NBA Standings   ");
        QVERIFY(list(form.get(), "standingsList")->isVisible());
    }

    // Results up to the day shown: no list tells of a later game, stepping
    // the day tells of the next day's, and the choice is kept.
    void spoilerLineFollowsToday()
    {
        auto form = startForm();
        QVERIFY(form);
        test::menuAction(form.get(), "showResultsUpToDay")->trigger();
        QCOMPARE(openSettingsStore()->value("Results"), "2");
        QVERIFY(!test::menuAction(form.get(), "showResults")->isChecked());
        auto *choice = form->findChild<QComboBox *>(QStringLiteral("standingsChoice"));
        const auto finalOffered = [](QComboBox *box) {
            return bool(box->model()->flags(box->model()->index(0, 0)) & Qt::ItemIsEnabled);
        };
        QVERIFY(!finalOffered(choice));
        QCOMPARE(choice->currentIndex(), 1);  // the final table would tell what is to come

        const SeasonGames games = seasonGames(bundledSchedule());
        // The lists' rows, date by date, and the column that tells how each game ended.
        const auto shownResults = [&](int lastDay) -> QStringList {
            QStringList problems;
            const auto check = [&](const char *name, int resultColumn, const QList<int> &days) {
                QAbstractItemModel *model = list(form.get(), name)->model();
                // The season's games; the Team list's playoffs, after their own row, are not counted.
                const QModelIndexList playoffs =
                    model->match(model->index(0, 0), Qt::DisplayRole, QStringLiteral("Playoffs"), 1, Qt::MatchExactly);
                const int rows = playoffs.isEmpty() ? model->rowCount() : playoffs.first().row();
                if (rows != days.size())
                    problems.append(QStringLiteral("%1: %2 rows").arg(QLatin1String(name)).arg(rows));
                for (int row = 0; row < std::min(rows, int(days.size())); ++row) {
                    const bool shown = !model->index(row, resultColumn).data().toString().isEmpty();
                    if (shown != (days.at(row) <= lastDay))
                        problems.append(QStringLiteral("%1 row %2").arg(QLatin1String(name)).arg(row));
                }
            };
            QList<int> season, team;
            for (const SeasonGame &game : games) {
                if (!game.result)
                    continue;  // the All-Star Game has none to show
                season.append(game.day);
                if (game.visitor == kFavoriteTeam || game.home == kFavoriteTeam)
                    team.append(game.day);
            }
            check("teamScheduleList", 3, team);
            // The Season list also holds the All-Star Game, which has no result on any day.
            QAbstractItemModel *seasonModel = list(form.get(), "seasonList")->model();
            int row = 0, listedWithResult = 0;
            for (const SeasonGame &game : games) {
                const bool shown = !seasonModel->index(row++, 3).data().toString().isEmpty();
                listedWithResult += shown;
                if (shown != (game.result && game.day <= lastDay))
                    problems.append(QStringLiteral("seasonList row %1").arg(row - 1));
            }
            if (listedWithResult == 0)
                problems.append(QStringLiteral("no result shown"));
            return problems;
        };
        const int day = dayNumber(kToday);
        QCOMPARE(shownResults(day), QStringList());
        // 2/16 has no game; 2/17 has.
        for (int i = 0; i < 2; ++i)
            QTest::mouseClick(form->findChild<QPushButton *>(QStringLiteral("dayForward")), Qt::LeftButton);
        QCOMPARE(shownResults(day + 2), QStringList());
        QAbstractItemModel *today = list(form.get(), "gamesByDateList")->model();
        QVERIFY(today->rowCount() > 0 && !today->index(0, 2).data().toString().isEmpty());

        // The next start keeps the line; the other choices bring the final table back.
        form.reset();
        form = startForm();
        QVERIFY(form);
        QVERIFY(test::menuAction(form.get(), "showResultsUpToDay")->isChecked());
        QCOMPARE(shownResults(day), QStringList());
        test::menuAction(form.get(), "showResults")->trigger();
        QCOMPARE(shownResults(dayNumber(QDate(2004, 4, 14))), QStringList());
        QVERIFY(finalOffered(form->findChild<QComboBox *>(QStringLiteral("standingsChoice"))));
    }

    // The race: the favourite's division first, a line at the day shown, a
    // click that shows its day in Today, lines that end at the spoiler line.
    // A start on the machine's date outside the season moves the day into
    // it before the Season list is filled: no later result shows there.
    void spoilerLineAtAStartOutsideTheSeason()
    {
        test::writeSettings(season_->path(), kFavoriteTeam);
        app::MainFormStart start = test::mainFormStart(paths_);
        start.settings.results = ResultsShown::UpToDay;
        start.startDate = startDateFrom(QString(), QDate(2026, 12, 9));
        MainForm form(start);
        QSignalSpy ready(&form, &MainForm::loadingFinished);
        form.show();
        QVERIFY(ready.wait(10000));
        QCOMPARE(form.findChild<QLabel *>(QStringLiteral("dateCaption"))->text().trimmed(), "12/09/2003");
        const SeasonGames games = seasonGames(bundledSchedule());
        QAbstractItemModel *model = list(&form, "seasonList")->model();
        int shown = 0;
        for (int row = 0; row < model->rowCount(); ++row) {
            const bool scored = !model->index(row, 3).data().toString().isEmpty();
            QVERIFY2(!scored || games[size_t(row)].day <= dayNumber(QDate(2003, 12, 9)), qPrintable(QString::number(row)));
            shown += scored;
        }
        QVERIFY(shown > 0);
    }

    void raceChartFollowsAndMovesToday()
    {
        auto form = startForm();
        QVERIFY(form);
        form->resize(800, 700);
        form->selectTab(MainForm::StandingsTab);
        auto *choice = form->findChild<QComboBox *>(QStringLiteral("standingsChoice"));
        QCOMPARE(choice->itemText(2), "Race");
        choice->setCurrentIndex(2);
        auto *chart = form->findChild<hoopdeck::app::RaceChart *>(QStringLiteral("raceChart"));
        auto *division = form->findChild<QComboBox *>(QStringLiteral("raceDivision"));
        QVERIFY(chart && chart->isVisible() && division->isVisible());
        QCOMPARE(division->currentText(), "Pacific");  // the Lakers' division
        QCOMPARE(division->count(), 4);
        QVERIFY(chart->width() >= 600 && chart->height() >= 400);

        // Only the day line moves when Today steps.
        const QImage before = chart->grab().toImage();
        QTest::mouseClick(form->findChild<QPushButton *>(QStringLiteral("dayForward")), Qt::LeftButton);
        QVERIFY(chart->grab().toImage() != before);

        auto *caption = form->findChild<QLabel *>(QStringLiteral("dateCaption"));
        const QString shown = caption->text();
        QTest::mouseClick(chart, Qt::LeftButton, {}, QPoint(chart->width() / 3, chart->height() / 2));
        const QDate picked = QDate::fromString(caption->text().trimmed(), "MM/dd/yyyy");
        QVERIFY2(caption->text() != shown && picked > QDate(2003, 10, 28) && picked < QDate(2004, 2, 15),
                 qPrintable(caption->text()));

        // Another division, and results up to the day: the lines stop there.
        division->setCurrentIndex(1);
        const QImage allResults = chart->grab().toImage();
        test::menuAction(form.get(), "showResultsUpToDay")->trigger();
        QCOMPARE(choice->currentIndex(), 2);
        const QImage upToDay = chart->grab().toImage();
        QVERIFY(upToDay != allResults);
        // Right of the day line nothing but the grid and the names is drawn:
        // far fewer coloured pixels than with every result.
        const auto coloured = [](const QImage &image) {
            int count = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = image.width() / 2; x < image.width() * 3 / 4; ++x)
                    count += QColor(image.pixel(x, y)).saturation() > 80;
            return count;
        };
        QVERIFY2(coloured(upToDay) * 4 < coloured(allResults),
                 qPrintable(QStringLiteral("%1 against %2").arg(coloured(upToDay)).arg(coloured(allResults))));
    }

    // Columns are measured over a sample of their cells; no cell of the
    // season may be wider than its column, bold rows included.
    void noCellIsClipped()
    {
        auto form = startForm();
        QVERIFY(form);
        QStringList clipped;
        const auto check = [&](const char *name, const QString &fill) {
            QTableView *view = list(form.get(), name);
            QAbstractItemModel *model = view->model();
            const int margin = view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1;
            for (int column = 0; column < model->columnCount(); ++column) {
                if (view->isColumnHidden(column))
                    continue;
                for (int row = 0; row < model->rowCount(); ++row) {
                    const QModelIndex index = model->index(row, column);
                    const QVariant font = index.data(Qt::FontRole);
                    const QFontMetrics metrics(font.isValid() ? font.value<QFont>().resolve(view->font()) : view->font());
                    if (metrics.horizontalAdvance(index.data().toString()) + 2 * margin > view->columnWidth(column))
                        clipped.append(QStringLiteral("%1 (%2) %3,%4: %5")
                                           .arg(QLatin1String(name), fill)
                                           .arg(row)
                                           .arg(column)
                                           .arg(index.data().toString()));
                }
            }
        };
        check("standingsList", "final");
        check("seasonList", "season");
        auto *teamPicker = form->findChild<QComboBox *>(QStringLiteral("teamPicker"));
        auto *rosterPicker = form->findChild<QComboBox *>(QStringLiteral("rosterPicker"));
        for (int team = 0; team < teamPicker->count(); ++team) {
            teamPicker->setCurrentIndex(team);
            check("teamScheduleList", teamPicker->currentText());
            rosterPicker->setCurrentIndex(team);
            check("rosterList", rosterPicker->currentText());
        }
        auto *choice = form->findChild<QComboBox *>(QStringLiteral("standingsChoice"));
        choice->setCurrentIndex(1);
        auto *forward = form->findChild<QPushButton *>(QStringLiteral("dayForward"));
        auto *back = form->findChild<QPushButton *>(QStringLiteral("dayBack"));
        for (int i = 0; i < 120; ++i)  // back to October, a day at a time
            QTest::mouseClick(back, Qt::LeftButton);
        for (int i = 0; i < 180; ++i) {
            check("gamesByDateList", QString::number(i));
            check("standingsDayList", QString::number(i));
            QTest::mouseClick(forward, Qt::LeftButton);
        }
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.mid(0, 10).join('\n')));
    }

    // Today steps from the last day of the season on into the playoffs.
    void todayStepsIntoThePlayoffs()
    {
        const std::unique_ptr<MainForm> form = startForm();
        QVERIFY(form);
        QPushButton *forward = form->findChild<QPushButton *>(QStringLiteral("dayForward"));
        for (int day = dayNumber(kToday); day < dayNumber(QDate(2004, 4, 17)); ++day)
            forward->click();
        QAbstractItemModel *today = list(form.get(), "gamesByDateList")->model();
        QStringList games;
        for (int row = 0; row < today->rowCount(); ++row)
            games.append(today->index(row, 0).data().toString() + ' ' + today->index(row, 2).data().toString());
        QCOMPARE(games, (QStringList{"Boston @ Indiana (East First Round, game 1) 88-104",
                                     "New York @ New Jersey (East First Round, game 1) 83-107",
                                     "Memphis @ San Antonio (West First Round, game 1) 74-98",
                                     "Houston @ L.A. Lakers (West First Round, game 1) 71-72"}));
    }

    // Enter, a double-click or Game Details opens the row's game in the one
    // game window, which the next game reuses and Escape closes.
    void gameDetailsWindow()
    {
        const std::unique_ptr<MainForm> form = startForm();
        QVERIFY(form);
        form->selectTab(MainForm::SeasonTab);
        QTableView *season = list(form.get(), "seasonList");
        season->setCurrentIndex(season->model()->index(0, 0));
        season->setFocus();
        QTest::keyClick(season, Qt::Key_Return);
        const QList<QWidget *> windows = test::windowsTitled("Game Details", true);
        QCOMPARE(windows.size(), 1);
        auto *window = qobject_cast<app::GameWindow *>(windows.first());
        QVERIFY(window);
        QVERIFY2(window->text().startsWith("Miami @ Philadelphia\n10/28/2003 7:00p\nFinal: 74-89\n"),
                 qPrintable(window->text()));
        QVERIFY(window->text().contains("Miami         19  20  23  12  74"));
        // Beside the main window: on its right where the screen has room.
        const QRect screen = form->screen()->availableGeometry();
        if (form->frameGeometry().right() + 8 + window->width() <= screen.right())
            QCOMPARE(window->x(), form->frameGeometry().right() + 8);
        else
            QVERIFY(window->x() + window->width() <= form->x() || window->x() == screen.left());

        // The Team list's first game of the favourite team, through the context menu's action.
        form->selectTab(MainForm::TeamTab);
        QTableView *team = list(form.get(), "teamScheduleList");
        team->setCurrentIndex(team->model()->index(0, 0));
        QAction *details = team->findChild<QAction *>(QStringLiteral("gameDetails"));
        QVERIFY(details && team->actions().contains(details));
        details->trigger();
        QCOMPARE(test::windowsTitled("Game Details", true), windows);
        QVERIFY2(window->text().startsWith("Dallas @ L.A. Lakers\n10/28/2003 10:30p\nFinal: 93-109\n"),
                 qPrintable(window->text()));
        // After the 82 games, a row that opens the playoffs and is no game; then the first playoff game.
        QCOMPARE(team->model()->index(82, 0).data().toString(), "Playoffs");
        QVERIFY(!(team->model()->flags(team->model()->index(82, 0)) & Qt::ItemIsSelectable));
        QCOMPARE(team->model()->index(83, 4).data().toString(), "Leads 1-0");
        team->setCurrentIndex(team->model()->index(83, 0));
        details->trigger();
        QVERIFY2(window->text().startsWith("Houston @ L.A. Lakers\n04/17/2004 10:30p\nWest First Round, game 1\nFinal: 71-72\n"),
                 qPrintable(window->text()));
        // The window open follows the results chosen.
        test::menuAction(form.get(), "hideResults")->trigger();
        QVERIFY2(!window->text().contains("Final"), qPrintable(window->text()));
        test::menuAction(form.get(), "showResults")->trigger();
        QVERIFY(window->text().contains("Final: 71-72"));

        // A double-click on a playoff day of Today.
        form->selectTab(MainForm::TodayTab);
        QPushButton *forward = form->findChild<QPushButton *>(QStringLiteral("dayForward"));
        for (int day = dayNumber(kToday); day < dayNumber(QDate(2004, 6, 15)); ++day)
            forward->click();
        QTableView *today = list(form.get(), "gamesByDateList");
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        QCOMPARE(today->model()->index(0, 0).data().toString(), "L.A. Lakers @ Detroit (Finals, game 5)");
        const QRect cell = today->visualRect(today->model()->index(0, 0));
        QVERIFY2(today->viewport()->rect().contains(cell.center()), qPrintable(QString::number(cell.y())));
        QSignalSpy doubleClicks(today, &QAbstractItemView::doubleClicked);
        // The window closed first: it comes back for the next game.
        window->close();
        QTest::mouseClick(today->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(today->viewport(), Qt::LeftButton, {}, cell.center());
        QCOMPARE(doubleClicks.size(), 1);
        QVERIFY2(window->text().startsWith("L.A. Lakers @ Detroit\n06/15/2004 9:00p\nFinals, game 5\n"),
                 qPrintable(window->text()));
        QVERIFY(window->text().contains("Series: Detroit wins 4-1"));

        QVERIFY(window->isVisible());
        QTest::keyClick(window->findChild<QWidget *>(QStringLiteral("gameText")), Qt::Key_Escape);
        QVERIFY(!window->isVisible());
    }

    // Alt+6: the bracket, winners in bold; a series chosen lists its games.
    void playoffsTab()
    {
        const std::unique_ptr<MainForm> form = startForm();
        QVERIFY(form);
        QTest::keyClick(form.get(), Qt::Key_6, Qt::AltModifier);
        QCOMPARE(form->findChild<QTabWidget *>(QStringLiteral("tabs"))->currentIndex(), int(MainForm::PlayoffsTab));
        QTableView *series = list(form.get(), "playoffSeriesList");
        QAbstractItemModel *model = series->model();
        QCOMPARE(model->rowCount(), 15);
        const auto row = [model](int r) {
            QStringList cells;
            for (int c = 0; c < model->columnCount(); ++c)
                cells.append(model->index(r, c).data().toString());
            return cells.join('|');
        };
        QCOMPARE(row(0), "East First Round|Indiana (1)|4|Boston (8)|0");
        QCOMPARE(row(14), "Finals|Detroit (3)|4|L.A. Lakers (2)|1");
        QVERIFY(model->index(14, 1).data(Qt::FontRole).value<QFont>().bold());
        QVERIFY(!model->index(14, 3).data(Qt::FontRole).value<QFont>().bold());
        series->setCurrentIndex(model->index(14, 0));
        QAbstractItemModel *games = list(form.get(), "playoffGamesList")->model();
        QCOMPARE(games->rowCount(), 5);
        QCOMPARE(games->index(0, 4).data().toString(), "Detroit leads 1-0");
        QCOMPARE(games->index(1, 4).data().toString(), "Series tied 1-1");
        QCOMPARE(games->index(4, 1).data().toString(), "L.A. Lakers @ Detroit");
        QCOMPARE(games->index(4, 3).data().toString(), "87-100");
        QCOMPARE(games->index(4, 4).data().toString(), "Detroit wins 4-1");
    }

    void listsOpenOnTheSelectedDay()
    {
        auto form = startForm();
        QVERIFY(form);
        const TextTable schedule = bundledSchedule();
        const int day = dayNumber(kToday);
        const SeasonGames games = seasonGames(schedule);
        TeamScheduleRows teamRows;
        teamRows.fill(games, kFavoriteTeam, {}, {});
        const int teamRow = teamRows.rowOnOrAfter(day);
        const int seasonRow = seasonRowOnOrAfter(seasonGames(schedule), day);
        QVERIFY(teamRow > 40 && seasonRow > 600);
        auto *tabs = form->findChild<QTabWidget *>();
        tabs->setCurrentIndex(MainForm::TeamTab);
        QTableView *team = list(form.get(), "teamScheduleList");
        QTRY_VERIFY(atTop(team, teamRow));
        QCOMPARE(team->model()->index(teamRow, 0).data().toString(), "02/17");  // the Lakers' first game after the break
        tabs->setCurrentIndex(MainForm::SeasonTab);
        QTableView *season = list(form.get(), "seasonList");
        QTRY_VERIFY(atTop(season, seasonRow));
        QCOMPARE(season->rowAt(0), seasonRow);  // the Season list is long enough to have it at the top
        QCOMPARE(season->model()->index(seasonRow, 0).data().toString(), "02/15");
    }

    void calendarsShowTheSeason()
    {
        auto form = startForm();
        QVERIFY(form);
        form->selectTab(MainForm::TodayTab);
        form->findChild<QPushButton *>("calendarButton")->click();
        auto *popup = form->findChild<QCalendarWidget *>("popupCalendar");
        QVERIFY(popup);
        QCOMPARE(popup->selectedDate(), kToday);
        QCOMPARE((QList<int>{popup->yearShown(), popup->monthShown()}), (QList<int>{2004, 2}));

        // The playoff days are days of the season too.
        SeasonGames every = seasonGames(bundledSchedule()), playoffs;
        QVERIFY(loadPlayoffsFromBytes(seasonFile("Playoffs.dat"), playoffs));
        every.insert(every.end(), playoffs.begin(), playoffs.end());
        const QList<int> days = gameDays(every), lakersDays = gameDays(every, kFavoriteTeam);
        QVERIFY(days.contains(dayNumber(QDate(2004, 6, 15))) && lakersDays.contains(dayNumber(QDate(2004, 6, 15))));
        for (QCalendarWidget *calendar : {popup}) {
            for (QDate date(2003, 10, 1); date <= QDate(2004, 6, 30); date = date.addDays(1)) {
                const QTextCharFormat format = calendar->dateTextFormat(date);
                QCOMPARE(format.fontWeight() == QFont::Bold, days.contains(dayNumber(date)));
                QCOMPARE(format.fontUnderline(), lakersDays.contains(dayNumber(date)));
                // The palette's own text colour, light or dark.
                QCOMPARE(format.foreground().style(), Qt::NoBrush);
            }
        }
        // 02/16 has no games; 02/17 one of the Lakers; 02/19 games of others only.
        QVERIFY(!days.contains(dayNumber(QDate(2004, 2, 16))) && lakersDays.contains(dayNumber(QDate(2004, 2, 17)))
                && days.contains(dayNumber(QDate(2004, 2, 19))) && !lakersDays.contains(dayNumber(QDate(2004, 2, 19))));

        // The popup opens on the selected day again after steps.
        popup->window()->hide();
        form->findChild<QPushButton *>("dayBack")->click();
        form->findChild<QPushButton *>("calendarButton")->click();
        QCOMPARE(popup->selectedDate(), kToday.addDays(-1));
        popup->window()->hide();

        // HDK Calendar carries the same marks and still opens on its own day.
        test::menuAction(form.get(), "calendarDialog")->trigger();
        const QList<QWidget *> dialogs = test::windowsTitled(QLatin1String(app::kCalendarDialogTitle), true);
        QWidget *dialog = dialogs.isEmpty() ? nullptr : dialogs.last();
        QVERIFY(dialog);
        auto *calendar = dialog->findChild<QCalendarWidget *>();
        QCOMPARE(calendar->selectedDate(), QDate::currentDate());
        QCOMPARE(calendar->dateTextFormat(QDate(2004, 2, 17)).fontUnderline(), true);
        QCOMPARE(calendar->dateTextFormat(QDate(2004, 2, 19)).fontWeight(), int(QFont::Bold));
        QCOMPARE(calendar->dateTextFormat(QDate(2004, 2, 19)).fontUnderline(), false);
        QCOMPARE(calendar->dateTextFormat(QDate(2004, 2, 16)).fontWeight() == QFont::Bold, false);
        dialog->close();
    }

    void opensOnThisDayInTheSeason()
    {
        const QByteArray fixed = qgetenv("HOOPDECK_TODAY");
        qunsetenv("HOOPDECK_TODAY");
        auto form = startForm();
        qputenv("HOOPDECK_TODAY", fixed);
        QVERIFY(form);
        // The machine's date is years after the season.
        const QDate shown = QDate::fromString(form->findChild<QLabel *>("dateCaption")->text(), "MM/dd/yyyy");
        QVERIFY2(shown >= QDate(2003, 10, 28) && shown <= QDate(2004, 4, 14), qPrintable(shown.toString()));
        auto *note = form->findChild<QLabel *>("dayNote");
        QVERIFY2(note->text().endsWith("of the 2003-04 season") || note->text() == "this day in the 2003-04 season",
                 qPrintable(note->text()));
        // A step is the user's own choice: the note goes.
        form->findChild<QPushButton *>("dayForward")->click();
        QCOMPARE(note->text(), "");

        // With HOOPDECK_TODAY the day is taken as it is.
        form.reset();
        form = startForm();
        QVERIFY(form);
        QCOMPARE(form->findChild<QLabel *>("dateCaption")->text(), "02/15/2004");
        QCOMPARE(form->findChild<QLabel *>("dayNote")->text(), "");
    }
};

QTEST_MAIN(TestSeasonViews)
#include "tst_season_views.moc"
