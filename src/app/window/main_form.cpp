#include "main_form.h"

#include <QActionGroup>
#include <QCalendarWidget>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QMenuBar>
#include <QShortcut>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>

#include <memory>

#include "about_dialog.h"
#include "calendar_dialog.h"
#include "calendar_marks.h"
#include "child_windows.h"
#include "download_dialog.h"
#include "export_actions.h"
#include "game_details.h"
#include "game_rows.h"
#include "playoffs_page.h"
#include "help_window.h"
#include "options_dialog.h"
#include "result_columns.h"
#include "settings_choice.h"
#include "division_race.h"
#include "season.h"
#include "standings.h"
#include "race_chart.h"
#include "standings_page.h"
#include "status_texts.h"
#include "team_list_page.h"
#include "team_rows.h"
#include "text_table_model.h"
#include "text_table_view.h"
#include "today_page.h"
#include "view_columns.h"
#include "view_keeping.h"
#include "window_keeping.h"

namespace hoopdeck::app {

namespace {

// The blanks belong to the captions: they widen the tabs.
const char *const kTabCaptions[MainForm::TabCount] = {" Standings ", "  Today   ", "   Team   ", "  Roster   ",
                                                      "  Season   ", " Playoffs  "};

// The rosters are read this long after the window is built, and never
// before it is on screen and painted; the later stages follow one by one,
// each on the next turn of the event loop.
constexpr int kRosterStageDelayMs = 100;
constexpr int kSeasonStageDelayMs = 1;
constexpr int kViewsStageDelayMs = 1;
// A downloaded roster file is shown this long after it is read.
constexpr int kRosterReloadDelayMs = 100;
constexpr QSize kDefaultSize(640, 720);

} // namespace

MainForm::MainForm(const MainFormStart &start, QWidget *parent)
    : QMainWindow(parent), startDate_(start.startDate), downloadLimits_(start.downloadLimits)
{
    loadingCursor_.emplace();
    viewer_.paths = start.paths;
    viewer_.settings = start.settings;
    setWindowTitle(QLatin1String(kMainFormTitle));

    standingsModel_ = new TextTableModel(viewer_.standingsList, standingsColumns(), this);
    standingsDayModel_ = new TextTableModel(viewer_.standingsDayList, standingsDayColumns(), this);
    gamesByDateModel_ = new TextTableModel(viewer_.gamesByDateList, gamesByDateColumns(), this);
    teamScheduleModel_ = new TextTableModel(viewer_.teamRows, teamScheduleColumns(), this);
    rosterModel_ = new TextTableModel(viewer_.rosterList, rosterListColumns(), this);
    seasonModel_ = new TextTableModel(viewer_.seasonRows, seasonColumns(), this);

    createMenus();
    createViewMenu();
    createTabs();
    attachGameDetails();
    markFavoriteRows();
    createShortcuts();
    createStatusBar();
    nameForAccessibility();

    viewer_.day.InitSelectedDate(startDate_.date);
    todayPage_->PaintDateCaption();

    standingsModel_->refill([this] { viewer_.loadStandings(); });
    showStandings();

    restoreWindowState(this, tabs_, *openSettingsStore(), kDefaultSize);
    QTimer::singleShot(kRosterStageDelayMs, this, [this] {
        rosterStageDue_ = true;
        loadRosterStageOnScreen();
    });
}

MainForm::~MainForm() = default;

void MainForm::selectTab(int tab)
{
    tabs_->setCurrentIndex(tab);
}

// Each menu and command carries an object name of its own, whatever its text.
void MainForm::createMenus()
{
    QMenu *fileMenu = menuBar()->addMenu(tr("&File"));
    fileMenu->setObjectName(QStringLiteral("fileMenu"));
    QMenu *download = fileMenu->addMenu(tr("&Download"));
    download->setObjectName(QStringLiteral("downloadMenu"));
    download->addAction(tr("&Standings"), this, [this] { openDownload(DownloadKind::Standings); })
        ->setObjectName(QStringLiteral("downloadStandings"));
    download->addSeparator();
    download->addAction(tr("&Rosters"), this, [this] { openDownload(DownloadKind::Rosters); })
        ->setObjectName(QStringLiteral("downloadRosters"));
    addExportMenu(fileMenu, this, viewer_, [this] { return tabs_; }, [this] { return teamPage_->team(); },
                  [this]() -> QWidget * { return standingsPage_->raceChart(); });
    fileMenu->addSeparator();
    QAction *quit = fileMenu->addAction(tr("&Quit"), this, &QWidget::close);
    quit->setObjectName(QStringLiteral("quit"));
    quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    quit->setShortcutContext(Qt::ApplicationShortcut);

    toolsMenu_ = menuBar()->addMenu(tr("&Tools"));
    toolsMenu_->setObjectName(QStringLiteral("toolsMenu"));
    toolsMenu_->addAction(tr("&Options"), this, &MainForm::openOptions)->setObjectName(QStringLiteral("options"));
    toolsMenu_->addSeparator();
    toolsMenu_->addAction(tr("&Calendar"), this, &MainForm::openCalendarDialog)
        ->setObjectName(QStringLiteral("calendarDialog"));

    QMenu *helpMenu = menuBar()->addMenu(tr("&Help"));
    helpMenu->setObjectName(QStringLiteral("helpMenu"));
    QAction *help = helpMenu->addAction(tr("&Hoopdeck"), this, [] { LaunchHelp(); });
    help->setObjectName(QStringLiteral("helpContents"));
    help->setShortcut(QKeySequence::HelpContents);
    helpMenu->addSeparator();
    helpMenu->addAction(tr("&About"), this, &MainForm::openAbout)->setObjectName(QStringLiteral("about"));
}

void MainForm::createTabs()
{
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("tabs"));
    tabs_->setTabPosition(QTabWidget::South);
    tabs_->setDocumentMode(true);
    tabs_->tabBar()->setFocusPolicy(Qt::NoFocus);

    standingsPage_ = new StandingsPage(standingsModel_, standingsDayModel_);
    connect(standingsPage_, &StandingsPage::shownChanged, this, &MainForm::showStandings);
    tabs_->addTab(standingsPage_, QLatin1String(kTabCaptions[StandingsTab]));
    todayPage_ = new TodayPage(viewer_, gamesByDateModel_);
    connect(todayPage_, &TodayPage::dayChanged, this, [this] {
        if (viewer_.settings.results == ResultsShown::UpToDay)
            showResultsUpToDay();
        else
            showStandings();
    });
    tabs_->addTab(todayPage_, QLatin1String(kTabCaptions[TodayTab]));
    connect(standingsPage_->raceChart(), &RaceChart::dayPicked, todayPage_, &TodayPage::showDay);
    teamPage_ = new TeamListPage(teamScheduleModel_, {"teamLabel", "teamPicker", "teamScheduleList",
                                                      tr("Choose Team: the team whose schedule is shown"),
                                                      tr("Team schedule")});
    connect(teamPage_, &TeamListPage::teamChosen, this, &MainForm::chooseScheduleTeam);
    tabs_->addTab(teamPage_, QLatin1String(kTabCaptions[TeamTab]));
    rosterPage_ = new TeamListPage(rosterModel_, {"rosterLabel", "rosterPicker", "rosterList",
                                                  tr("Choose Team: the team whose roster is shown"), tr("Roster")});
    rosterPage_->sortByHeaderClicks();
    connect(rosterPage_, &TeamListPage::teamChosen, this, &MainForm::chooseRosterTeam);
    connect(rosterPage_, &TeamListPage::columnClicked, this, &MainForm::clickRosterColumn);
    tabs_->addTab(rosterPage_, QLatin1String(kTabCaptions[RosterTab]));
    tabs_->addTab(createSeasonPage(), QLatin1String(kTabCaptions[SeasonTab]));
    playoffsPage_ = new PlayoffsPage(viewer_);
    tabs_->addTab(playoffsPage_, QLatin1String(kTabCaptions[PlayoffsTab]));
    connect(tabs_, &QTabWidget::currentChanged, this, &MainForm::ShowTabControls);
    setCentralWidget(tabs_);
}

QWidget *MainForm::createSeasonPage()
{
    auto *page = new QWidget;
    seasonList_ = new TextTableView(seasonModel_, page);
    seasonList_->setObjectName(QStringLiteral("seasonList"));
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(seasonList_, 1);
    return page;
}

void MainForm::attachGameDetails()
{
    gameDetails_ = new GameDetails(viewer_, this);
    gameDetails_->attach(todayPage_->list(), [this](int row) {
        return gameOfDayRow(viewer_.games, viewer_.playoffGames, viewer_.day.SelectedDate, row);
    });
    gameDetails_->attach(teamPage_->list(), [this](int row) { return viewer_.teamRows.game(row); });
    gameDetails_->attach(seasonList_, [this](int row) { return viewer_.seasonRows.game(row); });
}

void MainForm::createShortcuts()
{
    for (int tab = 0; tab < TabCount; ++tab) {
        auto *shortcut = new QShortcut(QKeySequence(Qt::ALT | Qt::Key(Qt::Key_1 + tab)), this);
        connect(shortcut, &QShortcut::activated, this, [this, tab] { selectTab(tab); });
    }
    auto *next = new QShortcut(this);
    next->setKeys({QKeySequence(Qt::CTRL | Qt::Key_Tab)});
    connect(next, &QShortcut::activated, this, [this] { selectTab((tabs_->currentIndex() + 1) % TabCount); });
    auto *previous = new QShortcut(this);
    previous->setKeys({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab),
                       QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab)});
    connect(previous, &QShortcut::activated, this,
            [this] { selectTab((tabs_->currentIndex() + TabCount - 1) % TabCount); });
}

void MainForm::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!exposed_ && windowHandle())
        windowHandle()->installEventFilter(this);
}

bool MainForm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == windowHandle() && event->type() == QEvent::Expose && !exposed_ && windowHandle()->isExposed()) {
        exposed_ = true;
        windowHandle()->removeEventFilter(this);
        // The window paints while it handles this event; the stage comes after.
        QTimer::singleShot(0, this, &MainForm::loadRosterStageOnScreen);
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainForm::loadRosterStageOnScreen()
{
    if (!rosterStageDue_ || !exposed_)
        return;
    rosterStageDue_ = false;
    loadRosterStage();
}

void MainForm::loadRosterStage()
{
    QTimer::singleShot(kSeasonStageDelayMs, this, &MainForm::loadSeasonStage);
    viewer_.loadRoster();
}

void MainForm::loadSeasonStage()
{
    QTimer::singleShot(kViewsStageDelayMs, this, &MainForm::buildViewsStage);
    // The day moves into the season before the Season list is filled, so
    // that results up to the day stop at the day the list opens on.
    seasonModel_->refill([this] {
        viewer_.loadSchedule();
        viewer_.loadPlayoffs();
        viewer_.startInSeason(startDate_);
        viewer_.indexSeasonList();
    });
    todayPage_->PaintDateCaption();
    showStandings();
    applyResultColumns();
    scrollSeason();
    playoffsPage_->refresh();
}

void MainForm::buildViewsStage()
{
    const int team = viewer_.settings.favoriteTeam;
    teamScheduleModel_->refill([this, team] { fillTeamSchedule(team); });
    scrollTeamSchedule();
    rosterModel_->refill([this, team] { viewer_.fillRosterList(team); });
    showRosterSort();
    gamesByDateModel_->refill([this] { viewer_.fillGamesByDate(); });
    teamPage_->showTeam(team);
    rosterPage_->showTeam(team);
    loadingCursor_.reset();
    emit loadingFinished();
}

// The standings on the day follow the day shown in Today; the title says
// which standings show.
void MainForm::showStandings()
{
    standingsDayModel_->refill([this] { viewer_.fillStandingsOnDay(); });
    standingsPage_->setDayCaption(dayCaption(viewer_.day.SelectedDate));
    // Up to the day shown, the final standings would tell what is to come.
    standingsPage_->allowFinal(viewer_.settings.results != ResultsShown::UpToDay);
    standingsPage_->setTitle(standingsPage_->shown() == StandingsPage::OnTheDay
                                 ? standingsTitleOnDay(viewer_.seasonLabel, viewer_.day.SelectedDate)
                                 : standingsTitle(viewer_.seasonLabel));
    if (standingsPage_->shown() == StandingsPage::Race)
        showRace();
}

// The race of the chosen division, the favourite's division offered first,
// drawn up to the spoiler line.
void MainForm::showRace()
{
    const int favorite = viewer_.settings.favoriteTeam;
    int favoriteDivision = 0;
    for (int row = 0; row < viewer_.standingsList.count(); ++row) {
        if (standingsRowIs(viewer_.standingsList.cell(row, StandingsTeam), favorite))
            favoriteDivision = int(std::upper_bound(std::begin(kDivisionRows), std::end(kDivisionRows), row)
                                   - std::begin(kDivisionRows)) - 1;
    }
    QList<int> divisions{favoriteDivision};
    for (int d = 0; d < int(std::size(kDivisionNames)); ++d) {
        if (d != favoriteDivision)
            divisions.append(d);
    }
    standingsPage_->setRaceDivisions(divisions);
    WaitCursor wait;
    standingsPage_->raceChart()->setRace(divisionRaceOf(viewer_.standingsList, viewer_.games,
                                                        standingsPage_->raceDivision(), viewer_.spoilerLine()),
                                         favorite, viewer_.day.SelectedDate);
}

void MainForm::ShowTabControls(int tab)
{
    if (tab == StandingsTab)
        standingsPage_->PlaceDivisionBanners();
    // The series as far as the results shown reach, which may have moved since.
    if (tab == PlayoffsTab)
        playoffsPage_->refresh();
}

void MainForm::fillTeamSchedule(int team)
{
    viewer_.indexTeamSchedule(team);
    QMap<int, QString> groups;
    if (const int row = viewer_.teamRows.playoffsRow(); row >= 0)
        groups.insert(row, viewer_.teamRows.cell(row, TeamScheduleDate));
    teamScheduleModel_->setGroupRows(groups);
}

void MainForm::chooseScheduleTeam(int team)
{
    teamScheduleModel_->refill([this, team] { fillTeamSchedule(team); });
    scrollTeamSchedule();
}

void MainForm::chooseRosterTeam(int team)
{
    rosterModel_->refill([this, team] { viewer_.chooseRosterTeam(team); });
    showRosterSort();
}

void MainForm::clickRosterColumn(int column)
{
    rosterModel_->refill([this, column] { viewer_.clickRosterColumn(column); });
    showRosterSort();
}

void MainForm::showRosterSort()
{
    rosterPage_->showSort(viewer_.rosterSort.column, viewer_.rosterSort.descending);
}

void MainForm::openCalendarDialog()
{
    if (BringDialogForward(QLatin1String(kCalendarDialogTitle)))
        return;
    auto *dialog = new CalendarDialog(this);
    markGameDays(dialog->findChild<QCalendarWidget *>(), viewer_.everyGame(), viewer_.settings.favoriteTeam);
    placeOverMainWindow(dialog, this);
    dialog->show();
}

void MainForm::openOptions()
{
    if (BringDialogForward(QLatin1String(kOptionsDialogTitle)))
        return;
    // The dialog's team list is a copy of the Team picker's.
    QStringList teams;
    const QComboBox *picker = teamPage_->picker();
    for (int position = 0; position < picker->count(); ++position)
        teams.append(picker->itemText(position));
    auto *dialog = new OptionsDialog(teams, viewer_.settings, this);
    connect(dialog, &OptionsDialog::saved, this, &MainForm::showTimesInChosenZone);
    placeOverMainWindow(dialog, this);
    dialog->show();
}

void MainForm::openAbout()
{
    if (BringDialogForward(QLatin1String(kAboutDialogTitle)))
        return;
    auto *dialog = new AboutDialog(this);
    placeOverMainWindow(dialog, this);
    dialog->show();
}

void MainForm::openDownload(DownloadKind kind)
{
    // An open download keeps the file it was started for.
    if (BringDialogForward(QLatin1String(kDownloadDialogTitle)))
        return;
    const QString path = downloadLocalPath(kind, viewer_.paths);
    // hoopdeck-cli may have set another server since this window started.
    viewer_.settings.server = ReadStoredServer(*openSettingsStore(), viewer_.settings.server);
    auto *dialog = new DownloadDialog(kind, viewer_.settings.server, path, this, downloadLimits_);
    connect(dialog, &DownloadDialog::downloaded, this, &MainForm::reloadDownloaded);
    connect(dialog, &DownloadDialog::notDownloaded, this, [this](DownloadKind failed, const DownloadResult &result) {
        statusBar()->showMessage(notDownloadedStatusText(failed, result));
    });
    placeOverMainWindow(dialog, this);
    dialog->show();
}

void MainForm::reloadDownloaded(DownloadKind kind, qint64 bytes)
{
    statusBar()->showMessage(downloadedStatusText(kind, bytes));
    if (kind == DownloadKind::Standings) {
        WaitCursor wait;
        standingsModel_->refill([this] { viewer_.loadStandings(); });
        showStandings();
        return;
    }
    // The roster shows the same team again, unsorted, a moment after the
    // reload; the wait cursor lasts until then.
    auto wait = std::make_shared<WaitCursor>();
    const int team = rosterPage_->team();
    viewer_.loadRoster();
    QTimer::singleShot(kRosterReloadDelayMs, this, [this, team, wait] {
        rosterModel_->refill([this, team] { viewer_.chooseRosterTeam(team); });
        showRosterSort();
    });
}

// What a screen reader says for the lists and tabs the pages do not name.
void MainForm::nameForAccessibility()
{
    standingsPage_->finalList()->setAccessibleName(tr("Standings"));
    seasonList_->setAccessibleName(tr("Season schedule"));
    tabs_->setAccessibleName(tr("Views"));
    // A tab is read by its caption without the blanks that widen it.
    for (int tab = 0; tab < TabCount; ++tab)
        tabs_->tabBar()->setAccessibleTabName(tab, QString::fromLatin1(kTabCaptions[tab]).trimmed());
}

void MainForm::createStatusBar()
{
    zoneStatus_ = new QLabel(zoneStatusText(viewer_.settings));
    zoneStatus_->setObjectName(QStringLiteral("zoneStatus"));
    statusBar()->setObjectName(QStringLiteral("statusBar"));
    statusBar()->addPermanentWidget(zoneStatus_);
}

// Every list that shows times is rebuilt in the zone just saved, in place:
// the user keeps the rows selected and the part of the list in view.
void MainForm::showTimesInChosenZone()
{
    zoneStatus_->setText(zoneStatusText(viewer_.settings));
    WaitCursor wait;
    if (!refillSeasonAndTeamLists())
        return;
    refillKeepingPlace(todayPage_->list(), gamesByDateModel_, [this] { viewer_.fillGamesByDate(); });
}

// The Season and Team lists filled again in place (and the open game and the
// bracket written anew), the user keeping the rows selected and the part in
// view. A list filled already is refilled even while the others wait for
// their loading stage; false while they wait.
bool MainForm::refillSeasonAndTeamLists()
{
    gameDetails_->refresh();
    playoffsPage_->refresh();
    if (seasonModel_->rowCount() > 0)
        refillKeepingPlace(seasonList_, seasonModel_, [this] { viewer_.indexSeasonList(); });
    if (isLoading())
        return false;
    const int team = teamPage_->team();
    if (team >= 0)
        refillKeepingPlace(teamPage_->list(), teamScheduleModel_, [this, team] { fillTeamSchedule(team); });
    return true;
}

void MainForm::closeEvent(QCloseEvent *event)
{
    // The program ends with its last main window: the children go first.
    CloseChildWindows(todayPage_->popup());
    keepWindowState(this, tabs_, *openSettingsStore());
    event->accept();
}

void MainForm::createViewMenu()
{
    auto *view = new QMenu(tr("&View"), this);
    view->setObjectName(QStringLiteral("viewMenu"));
    QMenu *results = view->addMenu(tr("Show &Results"));
    results->setObjectName(QStringLiteral("resultsMenu"));
    // Taking the checked choice again hides the results, as the single
    // Show Results item of earlier releases did.
    auto *group = new QActionGroup(results);
    group->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    const struct {
        ResultsShown shown;
        const char *name;
        QString text;
    } choices[] = {{ResultsShown::All, "showResults", tr("&All results")},
                   {ResultsShown::UpToDay, "showResultsUpToDay", tr("Results &up to the day shown")},
                   {ResultsShown::None, "hideResults", tr("&No results")}};
    for (const auto &choice : choices) {
        QAction *action = results->addAction(choice.text);
        action->setObjectName(QLatin1String(choice.name));
        action->setCheckable(true);
        action->setChecked(viewer_.settings.results == choice.shown);
        action->setData(int(choice.shown));
        group->addAction(action);
    }
    connect(group, &QActionGroup::triggered, this, [this, group](QAction *) {
        if (!group->checkedAction())
            group->actions().constLast()->setChecked(true);
        chooseResults(ResultsShown(group->checkedAction()->data().toInt()));
    });
    menuBar()->insertMenu(toolsMenu_->menuAction(), view);
}

void MainForm::markFavoriteRows()
{
    const int &favorite = viewer_.settings.favoriteTeam;  // read at paint time: Options may change it
    standingsModel_->setBoldRows([this, &favorite](int row) {
        return standingsRowIs(viewer_.standingsList.cell(row, StandingsTeam), favorite);
    });
    standingsDayModel_->setBoldRows([this, &favorite](int row) {
        return standingsRowIs(viewer_.standingsDayList.cell(row, StandingsTeam), favorite);
    });
    gamesByDateModel_->setBoldRows([this, &favorite](int row) {
        return gameHasTeam(viewer_.gamesByDateList.cell(row, GamesByDateGame), favorite);
    });
    teamScheduleModel_->setBoldRows([this](int row) { return teamScheduleModel_->isGroupRow(row); });
    seasonModel_->setBoldRows(
        [this, &favorite](int row) { return isTeamScheduleGame(viewer_.seasonRows.gameAt(row).visitor,
                                                               viewer_.seasonRows.gameAt(row).home, favorite); });
}

void MainForm::chooseResults(ResultsShown shown)
{
    viewer_.settings.results = shown;
    applyResultColumns();
    showResultsUpToDay();
    gamesByDateModel_->refill([this] { viewer_.fillGamesByDate(); });
    // Only this setting is written: what another program saved stays.
    SettingsChoice choice;
    choice.set(SettingId::Results, settingRow(SettingId::Results).stored(viewer_.settings));
    saveChoice(*openSettingsStore(), viewer_.settings, choice);
}

// The lists whose results depend on the day shown: they follow Today while
// results stop at that day.
void MainForm::showResultsUpToDay()
{
    showStandings();
    refillSeasonAndTeamLists();
}

void MainForm::applyResultColumns()
{
    // A schedule without any result (fresh from a data server, or of a season
    // still to come) has nothing to show in these columns.
    const bool shown = viewer_.settings.results != ResultsShown::None && hasResults(viewer_.games);
    const std::pair<TextTableView *, const QList<ColumnSpec> *> lists[] = {
        {todayPage_->list(), &gamesByDateColumns()}, {teamPage_->list(), &teamScheduleColumns()},
        {seasonList_, &seasonColumns()}};
    for (const auto &[view, columns] : lists) {
        showResultColumns(view, *columns, shown);
        view->fitColumnsToContent();
    }
}

void MainForm::scrollTeamSchedule()
{
    scrollRowToTop(teamPage_->list(), viewer_.teamRows.rowOnOrAfter(viewer_.day.SelectedDate));
}

void MainForm::scrollSeason()
{
    scrollRowToTop(seasonList_, seasonRowOnOrAfter(viewer_.games, viewer_.day.SelectedDate));
}

} // namespace hoopdeck::app
