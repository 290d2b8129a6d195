#include "main_form.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QShortcut>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>

#include <algorithm>

#include "about_dialog.h"
#include "calendar_dialog.h"
#include "calendar_marks.h"
#include "caption_font.h"
#include "child_windows.h"
#include "colour_contrast.h"
#include "download_dialog.h"
#include "game_time.h"
#include "help_window.h"
#include "options_dialog.h"
#include "result_columns.h"
#include "results_setting.h"
#include "season.h"
#include "standings.h"
#include "standings_page.h"
#include "status_texts.h"
#include "team_rows.h"
#include "teams.h"
#include "text_table_model.h"
#include "text_table_view.h"
#include "view_columns.h"
#include "view_keeping.h"
#include "window_keeping.h"

namespace hoopdeck::app {

namespace {

// The blanks belong to the captions: they widen the tabs.
const char *const kTabCaptions[MainForm::TabCount] = {" Standings ", "  Today   ", "   Team   ", "  Roster   ",
                                                      "  Season   "};

// The first stage waits this long after the window is first on screen so
// that the window is painted before the slower files are read.
constexpr int kFirstStageDelayMs = 100;
constexpr int kNextStageDelayMs = 1;
constexpr QSize kDefaultSize(640, 720);

// The wait cursor for the length of one command.
class WaitCursor {
public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;
};

} // namespace

MainForm::MainForm(const MainFormStart &start, QWidget *parent)
    : QMainWindow(parent), startDate_(start.startDate), downloadLimits_(start.downloadLimits)
{
    // Shown from here to the end of the last loading stage.
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    viewer_.paths = start.paths;
    viewer_.settings = start.settings;
    viewer_.showResults = start.showResults;
    setWindowTitle(QLatin1String(kMainFormTitle));

    standingsModel_ = new TextTableModel(viewer_.standingsList, standingsColumns(), this);
    gamesByDateModel_ = new TextTableModel(viewer_.gamesByDateList, gamesByDateColumns(), this);
    teamScheduleModel_ = new TextTableModel(viewer_.teamScheduleList, teamScheduleColumns(), this);
    rosterModel_ = new TextTableModel(viewer_.rosterList, rosterListColumns(), this);
    seasonModel_ = new TextTableModel(viewer_.seasonList, seasonColumns(), this);

    createMenus();
    createViewMenu();
    createTabs();
    markFavoriteRows();
    createShortcuts();
    createStatusBar();
    nameForAccessibility();
    setTabOrders();

    viewer_.day.InitSelectedDate(startDate_.date);
    PaintDateCaption();

    standingsModel_->refill([this] { viewer_.loadStandings(); });
    standingsPage_->setTitle(standingsTitle(viewer_.seasonLabel));

    restoreWindowState(this, tabs_, *openSettingsStore(), kDefaultSize);
}

MainForm::~MainForm()
{
    if (loading_)
        QGuiApplication::restoreOverrideCursor();
}

void MainForm::selectTab(int tab)
{
    tabs_->setCurrentIndex(tab);
}

void MainForm::createMenus()
{
    fileMenu_ = menuBar()->addMenu(tr("&File"));
    QMenu *download = fileMenu_->addMenu(tr("&Download"));
    download->addAction(tr("&Standings"), this, [this] { openDownload(DownloadKind::Standings); });
    download->addSeparator();
    download->addAction(tr("&Rosters"), this, [this] { openDownload(DownloadKind::Rosters); });
    fileMenu_->addSeparator();
    QAction *quit = fileMenu_->addAction(tr("&Quit"), this, &QWidget::close);
    quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    quit->setShortcutContext(Qt::ApplicationShortcut);

    toolsMenu_ = menuBar()->addMenu(tr("&Tools"));
    toolsMenu_->addAction(tr("&Options"), this, &MainForm::openOptions);
    toolsMenu_->addSeparator();
    toolsMenu_->addAction(tr("&Calendar"), this, &MainForm::openCalendarDialog);

    helpMenu_ = menuBar()->addMenu(tr("&Help"));
    QAction *help = helpMenu_->addAction(tr("&Hoopdeck"), this, [] { LaunchHelp(); });
    help->setShortcut(QKeySequence::HelpContents);
    helpMenu_->addSeparator();
    helpMenu_->addAction(tr("&About"), this, &MainForm::openAbout);
}

void MainForm::createTabs()
{
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("tabs"));
    tabs_->setTabPosition(QTabWidget::South);
    tabs_->setDocumentMode(true);
    tabs_->tabBar()->setFocusPolicy(Qt::NoFocus);

    standingsPage_ = new StandingsPage(standingsModel_);
    tabs_->addTab(standingsPage_, QLatin1String(kTabCaptions[StandingsTab]));
    tabs_->addTab(createTodayPage(), QLatin1String(kTabCaptions[TodayTab]));
    tabs_->addTab(createTeamPage(), QLatin1String(kTabCaptions[TeamTab]));
    tabs_->addTab(createRosterPage(), QLatin1String(kTabCaptions[RosterTab]));
    tabs_->addTab(createSeasonPage(), QLatin1String(kTabCaptions[SeasonTab]));
    connect(tabs_, &QTabWidget::currentChanged, this, &MainForm::ShowTabControls);
    setCentralWidget(tabs_);
}

QWidget *MainForm::createTodayPage()
{
    auto *page = new QWidget;
    dayBack_ = new QPushButton(QStringLiteral("<"), page);
    dayBack_->setObjectName(QStringLiteral("dayBack"));
    dayBack_->setToolTip(tr("The day before (Alt+Left)"));
    dayForward_ = new QPushButton(QStringLiteral(">"), page);
    dayForward_->setObjectName(QStringLiteral("dayForward"));
    dayForward_->setToolTip(tr("The day after (Alt+Right)"));
    for (QPushButton *button : {dayBack_, dayForward_})
        button->setFixedWidth(button->sizeHint().height() + 8);
    calendarButton_ = new QPushButton(tr("&Calendar"), page);
    calendarButton_->setObjectName(QStringLiteral("calendarButton"));
    dateCaption_ = new QLabel(page);
    dateCaption_->setObjectName(QStringLiteral("dateCaption"));
    makeCaption(dateCaption_, Qt::AlignLeft);
    auto *dayNote = new QLabel(page);
    dayNote->setObjectName(QStringLiteral("dayNote"));

    connect(dayBack_, &QPushButton::clicked, this, [this] { stepDay(-1); });
    connect(dayForward_, &QPushButton::clicked, this, [this] { stepDay(1); });
    connect(calendarButton_, &QPushButton::clicked, this, &MainForm::openPopupCalendar);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(dayBack_);
    buttons->addWidget(dayForward_);
    buttons->addSpacing(6);
    buttons->addWidget(calendarButton_);
    buttons->addSpacing(12);
    buttons->addWidget(dateCaption_);
    buttons->addWidget(dayNote, 1);

    auto *list = new TextTableView(gamesByDateModel_, page);
    list->setObjectName(QStringLiteral("gamesByDateList"));

    auto *layout = new QVBoxLayout(page);
    layout->addLayout(buttons);
    layout->addWidget(list, 1);
    return page;
}

QComboBox *MainForm::createTeamPicker(const QString &name)
{
    auto *picker = new QComboBox;
    picker->setObjectName(name);
    // Positions are TeamIndex values: the names stay in their fixed order.
    picker->addItems(teamChoices());
    picker->setMaxVisibleItems(kTeamCount);
    picker->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    // Nothing is chosen until the favourite team is selected after loading.
    picker->setCurrentIndex(-1);
    return picker;
}

QWidget *MainForm::pickerRow(const QString &labelName, QComboBox *picker)
{
    auto *row = new QWidget;
    auto *label = new QLabel(tr("Ch&oose Team:"), row);
    label->setObjectName(labelName);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, legibleOn(Qt::blue, palette.color(QPalette::Window)));
    label->setPalette(palette);
    label->setBuddy(picker);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(label);
    layout->addWidget(picker);
    layout->addStretch(1);
    return row;
}

QWidget *MainForm::createTeamPage()
{
    auto *page = new QWidget;
    teamPicker_ = createTeamPicker(QStringLiteral("teamPicker"));
    // The user's choice only: selecting the favourite team after loading
    // must not fill the list a second time.
    connect(teamPicker_, &QComboBox::activated, this, &MainForm::chooseScheduleTeam);
    auto *list = new TextTableView(teamScheduleModel_, page);
    list->setObjectName(QStringLiteral("teamScheduleList"));
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(pickerRow(QStringLiteral("teamLabel"), teamPicker_));
    layout->addWidget(list, 1);
    return page;
}

QWidget *MainForm::createRosterPage()
{
    auto *page = new QWidget;
    rosterPicker_ = createTeamPicker(QStringLiteral("rosterPicker"));
    connect(rosterPicker_, &QComboBox::activated, this, &MainForm::chooseRosterTeam);
    rosterList_ = new TextTableView(rosterModel_, page);
    rosterList_->setObjectName(QStringLiteral("rosterList"));
    QHeaderView *header = rosterList_->horizontalHeader();
    header->setSectionsClickable(true);
    // The arrow only shows the order the viewer made; the list never sorts itself.
    header->setSortIndicatorShown(true);
    header->setSortIndicator(-1, Qt::AscendingOrder);
    connect(header, &QHeaderView::sectionClicked, this, &MainForm::clickRosterColumn);
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(pickerRow(QStringLiteral("rosterLabel"), rosterPicker_));
    layout->addWidget(rosterList_, 1);
    return page;
}

QWidget *MainForm::createSeasonPage()
{
    auto *page = new QWidget;
    auto *list = new TextTableView(seasonModel_, page);
    list->setObjectName(QStringLiteral("seasonList"));
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(list, 1);
    return page;
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

    // Alt+Left and Alt+Right step the day only where the day is shown.
    dayBackShortcut_ = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Left), this);
    connect(dayBackShortcut_, &QShortcut::activated, this, [this] { stepDay(-1); });
    dayForwardShortcut_ = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Right), this);
    connect(dayForwardShortcut_, &QShortcut::activated, this, [this] { stepDay(1); });
    ShowTabControls(tabs_->currentIndex());
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
        QTimer::singleShot(kFirstStageDelayMs, this, &MainForm::loadRosterStage);
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainForm::loadRosterStage()
{
    QTimer::singleShot(kNextStageDelayMs, this, &MainForm::loadSeasonStage);
    viewer_.loadRoster();
}

void MainForm::loadSeasonStage()
{
    QTimer::singleShot(kNextStageDelayMs, this, &MainForm::buildViewsStage);
    seasonModel_->refill([this] { viewer_.loadSeason(); });
    viewer_.startInSeason(startDate_);
    PaintDateCaption();
    applyResultColumns();
    scrollSeason();
}

void MainForm::buildViewsStage()
{
    const int team = viewer_.settings.favoriteTeam;
    teamScheduleModel_->refill([this, team] { viewer_.fillTeamSchedule(team); });
    scrollTeamSchedule(team);
    rosterModel_->refill([this, team] { viewer_.fillRosterList(team); });
    showRosterSort();
    gamesByDateModel_->refill([this] { viewer_.fillGamesByDate(); });
    // A favourite outside the list leaves the pickers without a choice.
    teamPicker_->setCurrentIndex(team);
    rosterPicker_->setCurrentIndex(team);
    loading_ = false;
    QGuiApplication::restoreOverrideCursor();
    emit loadingFinished();
}

void MainForm::ShowTabControls(int tab)
{
    dayBackShortcut_->setEnabled(tab == TodayTab);
    dayForwardShortcut_->setEnabled(tab == TodayTab);
    if (tab == StandingsTab)
        standingsPage_->PlaceDivisionBanners();
}

void MainForm::chooseScheduleTeam(int team)
{
    teamScheduleModel_->refill([this, team] { viewer_.fillTeamSchedule(team); });
    scrollTeamSchedule(team);
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
    const RosterSort &sort = viewer_.rosterSort;
    rosterList_->horizontalHeader()->setSortIndicator(sort.column,
                                                      sort.descending ? Qt::DescendingOrder : Qt::AscendingOrder);
}

void MainForm::stepDay(int days)
{
    WaitCursor wait;
    gamesByDateModel_->refill([this, days] { viewer_.stepDay(days); });
    PaintDateCaption();
}

void MainForm::chooseDay(const QDate &date)
{
    popupFrame_->hide();
    WaitCursor wait;
    gamesByDateModel_->refill([this, date] { viewer_.chooseDay(dayNumber(date)); });
    PaintDateCaption();
}

void MainForm::PaintDateCaption()
{
    dateCaption_->setText(viewer_.day.DateCaption);
    findChild<QLabel *>(QStringLiteral("dayNote"))->setText(viewer_.dayNote);
}

void MainForm::openPopupCalendar()
{
    if (!popupFrame_) {
        // A popup hides itself as soon as the user clicks or switches elsewhere.
        popupFrame_ = new QFrame(this, Qt::Popup);
        popupFrame_->setFrameStyle(QFrame::Box | QFrame::Plain);
        popupCalendar_ = new QCalendarWidget(popupFrame_);
        popupCalendar_->setObjectName(QStringLiteral("popupCalendar"));
        popupCalendar_->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
        auto *layout = new QVBoxLayout(popupFrame_);
        layout->setContentsMargins(1, 1, 1, 1);
        layout->addWidget(popupCalendar_);
        // A day chosen, not a month browsed: selectionChanged also fires while browsing.
        connect(popupCalendar_, &QCalendarWidget::clicked, this, &MainForm::chooseDay);
        connect(popupCalendar_, &QCalendarWidget::activated, this, &MainForm::chooseDay);
    }
    markGameDays(popupCalendar_, viewer_.scheduleTable, viewer_.settings.favoriteTeam);
    popupCalendar_->setSelectedDate(dateOfDayNumber(viewer_.day.SelectedDate));
    popupFrame_->adjustSize();
    QPoint position = calendarButton_->mapToGlobal(QPoint(0, calendarButton_->height()));
    if (const QScreen *screen = calendarButton_->screen()) {
        const QRect available = screen->availableGeometry();
        position.setX(std::clamp(position.x(), available.left(),
                                 std::max(available.left(), available.right() - popupFrame_->width())));
        position.setY(std::clamp(position.y(), available.top(),
                                 std::max(available.top(), available.bottom() - popupFrame_->height())));
    }
    popupFrame_->move(position);
    popupFrame_->show();
    popupFrame_->raise();
    popupFrame_->activateWindow();
    popupCalendar_->setFocus();
}

void MainForm::openCalendarDialog()
{
    if (BringDialogForward(QLatin1String(kCalendarDialogTitle)))
        return;
    auto *dialog = new CalendarDialog(this);
    markGameDays(dialog->findChild<QCalendarWidget *>(), viewer_.scheduleTable, viewer_.settings.favoriteTeam);
    placeOverMainWindow(dialog, this);
    dialog->show();
}

void MainForm::openOptions()
{
    if (BringDialogForward(QLatin1String(kOptionsDialogTitle)))
        return;
    // The dialog's team list is a copy of the Team picker's.
    QStringList teams;
    for (int position = 0; position < teamPicker_->count(); ++position)
        teams.append(teamPicker_->itemText(position));
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
    placeOverMainWindow(dialog, this);
    dialog->show();
}

void MainForm::reloadDownloaded(DownloadKind kind, qint64 bytes)
{
    statusBar()->showMessage(downloadedStatusText(kind, bytes));
    if (kind == DownloadKind::Standings) {
        WaitCursor wait;
        standingsModel_->refill([this] { viewer_.loadStandings(); });
        standingsPage_->setTitle(standingsTitle(viewer_.seasonLabel));
        return;
    }
    // The roster shows the same team again, unsorted, a moment after the reload.
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const int team = rosterPicker_->currentIndex();
    viewer_.loadRoster();
    QTimer::singleShot(100, this, [this, team] {
        rosterModel_->refill([this, team] { viewer_.chooseRosterTeam(team); });
        showRosterSort();
        QGuiApplication::restoreOverrideCursor();
    });
}

// What a screen reader says for each list, picker and caption; the cells
// speak for themselves, the banners' blank rows as their division's name.
void MainForm::nameForAccessibility()
{
    const std::pair<const char *, QString> lists[] = {
        {"standingsList", tr("Standings")},       {"gamesByDateList", tr("Games of the day")},
        {"teamScheduleList", tr("Team schedule")}, {"rosterList", tr("Roster")},
        {"seasonList", tr("Season schedule")}};
    for (const auto &[name, accessibleName] : lists) {
        if (auto *list = listNamed(name))
            list->setAccessibleName(accessibleName);
    }
    teamPicker_->setAccessibleName(tr("Choose Team: the team whose schedule is shown"));
    rosterPicker_->setAccessibleName(tr("Choose Team: the team whose roster is shown"));
    dayBack_->setAccessibleName(tr("The day before"));
    dayForward_->setAccessibleName(tr("The day after"));
    dateCaption_->setAccessibleDescription(tr("The day whose games are listed"));
    tabs_->setAccessibleName(tr("Views"));
}

// Each tab's controls in reading order: the pickers and buttons above, then the list.
void MainForm::setTabOrders()
{
    setTabOrder(dayBack_, dayForward_);
    setTabOrder(dayForward_, calendarButton_);
    if (auto *games = listNamed("gamesByDateList"))
        setTabOrder(calendarButton_, games);
    if (auto *schedule = listNamed("teamScheduleList"))
        setTabOrder(teamPicker_, schedule);
    setTabOrder(rosterPicker_, rosterList_);
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
    // Lists still waiting for their loading stage are filled in the new zone anyway.
    if (seasonModel_->rowCount() > 0)
        refillKeepingPlace(listNamed("seasonList"), seasonModel_,
                           [this] { viewer_.loadSeason(); });
    if (loading_)
        return;
    const int team = teamPicker_->currentIndex();
    if (team >= 0)
        refillKeepingPlace(listNamed("teamScheduleList"), teamScheduleModel_,
                           [this, team] { viewer_.fillTeamSchedule(team); });
    refillKeepingPlace(listNamed("gamesByDateList"), gamesByDateModel_,
                       [this] { viewer_.fillGamesByDate(); });
}

void MainForm::closeEvent(QCloseEvent *event)
{
    // The program ends with its last main window: the children go first.
    CloseChildWindows(popupFrame_);
    keepWindowState(this, tabs_, *openSettingsStore());
    event->accept();
}

void MainForm::createViewMenu()
{
    auto *view = new QMenu(tr("&View"), this);
    QAction *results = view->addAction(tr("Show &Results"));
    results->setObjectName(QStringLiteral("showResults"));
    results->setCheckable(true);
    results->setChecked(viewer_.showResults);
    connect(results, &QAction::toggled, this, &MainForm::showResults);
    menuBar()->insertMenu(toolsMenu_->menuAction(), view);
}

void MainForm::markFavoriteRows()
{
    const int &favorite = viewer_.settings.favoriteTeam;  // read at paint time: Options may change it
    standingsModel_->setBoldRows(
        [this, &favorite](int row) { return standingsRowIs(viewer_.standingsList.cell(row, 0), favorite); });
    gamesByDateModel_->setBoldRows(
        [this, &favorite](int row) { return gameHasTeam(viewer_.gamesByDateList.cell(row, 0), favorite); });
    seasonModel_->setBoldRows(
        [this, &favorite](int row) { return gameHasTeam(viewer_.seasonList.cell(row, 1), favorite); });
}

void MainForm::showResults(bool shown)
{
    viewer_.showResults = shown;
    applyResultColumns();
    SaveShowResults(*openSettingsStore(), shown);
}

void MainForm::applyResultColumns()
{
    // A schedule without any result (fresh from a data server, or of a season
    // still to come) has nothing to show in these columns.
    const bool shown = viewer_.showResults && hasResults(viewer_.scheduleTable);
    const std::pair<const char *, const QList<ColumnSpec> *> lists[] = {
        {"gamesByDateList", &gamesByDateColumns()}, {"teamScheduleList", &teamScheduleColumns()},
        {"seasonList", &seasonColumns()}};
    for (const auto &[name, columns] : lists) {
        TextTableView *view = listNamed(name);
        showResultColumns(view, *columns, shown);
        view->fitColumnsToContent();
    }
}

void MainForm::scrollTeamSchedule(int team)
{
    scrollRowToTop(listNamed("teamScheduleList"), teamRowOnOrAfter(viewer_.scheduleTable, team, viewer_.day.SelectedDate));
}

void MainForm::scrollSeason()
{
    scrollRowToTop(listNamed("seasonList"), seasonRowOnOrAfter(viewer_.scheduleTable, viewer_.day.SelectedDate));
}

TextTableView *MainForm::listNamed(const char *name) const
{
    return findChild<TextTableView *>(QLatin1String(name));
}

} // namespace hoopdeck::app
