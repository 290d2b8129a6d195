#pragma once

#include <QMainWindow>

#include <optional>

#include "downloader.h"
#include "start_date.h"
#include "viewer.h"
#include "wait_cursor.h"

class QLabel;
class QMenu;
class QTabWidget;

namespace hoopdeck::app {

class GameDetails;
class PlayoffsPage;
class StandingsPage;
class TeamListPage;
class TextTableModel;
class TextTableView;
class TodayPage;

// What the window starts from, all read by the program before the window
// is built.
struct MainFormStart {
    DataPaths paths;
    Settings settings;
    StartDate startDate;
    DownloadLimits downloadLimits;
};

// The program's one main window, titled "Hoopdeck": five tabs over the
// viewer's lists. The standings are read while the window is built; the
// rosters, the season and the favourite team's views follow in three short
// stages once the window is on screen, under the wait cursor.
class MainForm : public QMainWindow {
    Q_OBJECT
public:
    enum Tab { StandingsTab, TodayTab, TeamTab, RosterTab, SeasonTab, PlayoffsTab, TabCount };

    explicit MainForm(const MainFormStart &start, QWidget *parent = nullptr);
    ~MainForm() override;

    void selectTab(int tab);
    bool isLoading() const { return loadingCursor_.has_value(); }

signals:
    // The last loading stage is done: every view is filled.
    void loadingFinished();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void createMenus();
    void createViewMenu();
    void createTabs();
    void attachGameDetails();  // to the Today, Team and Season lists
    void createShortcuts();
    void createStatusBar();
    void nameForAccessibility();
    void showTimesInChosenZone();
    QWidget *createSeasonPage();

    // Whichever comes last, the first stage's wait or the window's first
    // expose, starts the first stage.
    void loadRosterStageOnScreen();
    void loadRosterStage();
    void loadSeasonStage();
    void buildViewsStage();

    void ShowTabControls(int tab);
    // The team's list, its "Playoffs" row opening a group of its own.
    void fillTeamSchedule(int team);
    void chooseScheduleTeam(int team);
    void chooseRosterTeam(int team);
    void clickRosterColumn(int column);
    void showRosterSort();
    void openCalendarDialog();
    void openOptions();
    void openAbout();
    void openDownload(DownloadKind kind);
    void reloadDownloaded(DownloadKind kind, qint64 bytes);

    // What this program adds to the season's views: results, the favourite
    // team in bold, the lists scrolled to the selected day.
    void markFavoriteRows();
    void showStandings();
    void showRace();
    void chooseResults(ResultsShown shown);
    void showResultsUpToDay();
    bool refillSeasonAndTeamLists();
    void applyResultColumns();
    void scrollTeamSchedule();  // to the day shown
    void scrollSeason();

    Viewer viewer_;
    StartDate startDate_;
    DownloadLimits downloadLimits_;
    std::optional<WaitCursor> loadingCursor_;  // from the start to the end of the last stage
    bool exposed_ = false;
    bool rosterStageDue_ = false;

    // The visible lists' models, each over one of the viewer's lists.
    TextTableModel *standingsModel_ = nullptr;
    TextTableModel *standingsDayModel_ = nullptr;
    TextTableModel *gamesByDateModel_ = nullptr;
    TextTableModel *teamScheduleModel_ = nullptr;
    TextTableModel *rosterModel_ = nullptr;
    TextTableModel *seasonModel_ = nullptr;

    QMenu *toolsMenu_ = nullptr;
    QTabWidget *tabs_ = nullptr;
    StandingsPage *standingsPage_ = nullptr;
    TodayPage *todayPage_ = nullptr;
    TeamListPage *teamPage_ = nullptr, *rosterPage_ = nullptr;
    TextTableView *seasonList_ = nullptr;
    QLabel *zoneStatus_ = nullptr;
    GameDetails *gameDetails_ = nullptr;
    PlayoffsPage *playoffsPage_ = nullptr;
};

} // namespace hoopdeck::app
