// The main window on a copy of the bundled season, with a favourite team in
// the settings and today fixed at 02/15/2004.

#include <QAbstractItemView>
#include <QAction>
#include <QAbstractItemModelTester>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QCalendarWidget>
#include <QComboBox>
#include <QScreen>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

#include <memory>

#include "app_test_support.h"
#include "main_form_fixture.h"
#include "child_windows.h"
#include "colour_contrast.h"
#include "column_caption_strip.h"
#include "game_time.h"
#include "main_form.h"
#include "standings.h"
#include "start_up.h"
#include "teams.h"
#include "view_columns.h"
#include "viewer.h"

using namespace hoopdeck;
using hoopdeck::app::MainForm;

namespace {

constexpr int kFavoriteTeam = 11;  // L.A. Lakers: neither the first nor the last name
const char *const kListNames[] = {"standingsList", "gamesByDateList", "teamScheduleList", "rosterList",
                                  "seasonList"};

QTableView *list(QWidget *form, const char *name)
{
    return form->findChild<QTableView *>(QLatin1String(name));
}

QAbstractItemModel *model(QWidget *form, const char *name)
{
    QTableView *view = list(form, name);
    return view ? view->model() : nullptr;
}

QWidget *child(QWidget *form, const QString &name)
{
    return form->findChild<QWidget *>(name);
}

void clickHeader(QTableView *view, int column)
{
    QHeaderView *header = view->horizontalHeader();
    const QPoint centre(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                        header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
}

// Counts the fills of every visible list from the moment it is made.
struct FillCounter {
    std::vector<std::unique_ptr<QSignalSpy>> spies;

    explicit FillCounter(QWidget *form)
    {
        for (const char *name : kListNames)
            spies.push_back(std::make_unique<QSignalSpy>(model(form, name), &QAbstractItemModel::modelReset));
    }
    int fills(const char *name) const
    {
        for (size_t i = 0; i < std::size(kListNames); ++i) {
            if (qstrcmp(kListNames[i], name) == 0)
                return int(spies[i]->count());
        }
        return -1;
    }
};

} // namespace

class TestMainForm : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void stagedLoadingFillsEveryViewOnce();
    void nothingSlowIsReadBeforeTheWindowIsOnScreen();
    void theWindowIsPaintedBeforeTheSlowerFilesAreRead();
    void tabsShowOnlyTheirControls_data();
    void tabsShowOnlyTheirControls();
    void listsShowTheirColumns();
    void keyboardSwitchesTabs_data();
    void keyboardSwitchesTabs();
    void bannersLieOverTheirRows();
    void bannersFollowTheirRowsAtEverySize();
    void windowComesBackAsItWasLeft();
    void columnsTakeTheirContentsWidth();
    void copyGivesTheSelectedRowsAsTsv();
    void arrowKeysSkipTheBannersRows();
    void everyListModelPassesTheModelTester();
    void mnemonicsReachTheirControls();
    void screenReadersHearNamesAndDivisions();
    void captionsKeepTheirContrast();
    void teamPickerRebuildsOnlyTheTeamSchedule();
    void rosterPickerResetsTheSortAndRebuildsOnlyTheRoster();
    void rosterHeadersSortThroughTheViewer();
    void dayStepping_data();
    void dayStepping();
    void popupCalendarChoosesADay();
    void calendarDialogIsSingleAndChangesNothing();
    void closingEndsTheChildWindows_data();
    void closingEndsTheChildWindows();
    void escapeAndMinimiseDoNotEndTheProgram();

private:
    std::unique_ptr<MainForm> startForm();
    // Starts the form into form_ at this size, laid out; false when it did not start.
    bool startFormAt(const QSize &size);
    Viewer referenceViewer() const;

    std::unique_ptr<test::SeasonCopy> season_;
    DataPaths paths_;
    std::unique_ptr<MainForm> form_;
};

void TestMainForm::initTestCase()
{
    test::prepareRuntimeDir();
    season_ = std::make_unique<test::SeasonCopy>();
    QVERIFY(season_->isValid());
    test::writeSettings(season_->path(), kFavoriteTeam);
    const StartupCheck check = runStartupChecks(*openSettingsStore());
    QCOMPARE(check.result, StartupCheck::Ok);
    paths_ = check.paths;
}

void TestMainForm::init()
{
    form_.reset();
    // Each test starts as a first start: no window kept by the one before.
    test::forgetStored(QStringLiteral("Window"));
}

void TestMainForm::cleanup()
{
    form_.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!QApplication::overrideCursor());
}

std::unique_ptr<MainForm> TestMainForm::startForm()
{
    auto form = test::startMainForm(paths_);
    if (form)
        QApplication::setActiveWindow(form.get());
    return form;
}

bool TestMainForm::startFormAt(const QSize &size)
{
    form_ = startForm();
    if (!form_)
        return false;
    form_->resize(size);
    QCoreApplication::processEvents();
    return true;
}

// What the core builds for the same settings, the reference the window must show.
Viewer TestMainForm::referenceViewer() const
{
    Viewer viewer;
    viewer.paths = paths_;
    LoadSettings(*openSettingsStore(), viewer.settings);
    viewer.loadStandings();
    viewer.loadRoster();
    viewer.loadSeason();
    viewer.day.InitSelectedDate(test::mainFormStart(paths_).startDate.date);
    return viewer;
}

void TestMainForm::stagedLoadingFillsEveryViewOnce()
{
    auto form = std::make_unique<MainForm>(test::mainFormStart(paths_));
    QVERIFY(QApplication::overrideCursor());
    QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    // The standings and their title are there before the window shows.
    QCOMPARE(model(form.get(), "standingsList")->rowCount(), kStandingsRowCount);
    Viewer reference = referenceViewer();
    QCOMPARE(form->findChild<QLabel *>(QStringLiteral("titleCaption"))->text(), standingsTitle(reference.seasonLabel));
    QVERIFY(reference.seasonLabel.contains(QLatin1String("2003-04")));

    FillCounter counter(form.get());
    QSignalSpy ready(form.get(), &MainForm::loadingFinished);
    form->show();
    QVERIFY(ready.wait(10000));
    QCOMPARE(ready.count(), 1);
    QVERIFY(!QApplication::overrideCursor());

    auto *teamPicker = form->findChild<QComboBox *>(QStringLiteral("teamPicker"));
    auto *rosterPicker = form->findChild<QComboBox *>(QStringLiteral("rosterPicker"));
    QCOMPARE(teamPicker->count(), kTeamCount);
    QCOMPARE(teamPicker->currentIndex(), kFavoriteTeam);
    QCOMPARE(rosterPicker->currentIndex(), kFavoriteTeam);
    QCOMPARE(teamPicker->currentText(), teamName(kFavoriteTeam));

    for (const char *name : {"gamesByDateList", "teamScheduleList", "rosterList", "seasonList"})
        QVERIFY2(counter.fills(name) == 1, name);
    QCOMPARE(counter.fills("standingsList"), 0);

    reference.fillTeamSchedule(kFavoriteTeam);
    reference.fillRosterList(kFavoriteTeam);
    reference.fillGamesByDate();
    QVERIFY(reference.teamScheduleList.count() > 0 && reference.rosterList.count() > 0);
    QVERIFY(test::sameRows(test::modelRows(*model(form.get(), "standingsList")), reference.standingsList));
    QVERIFY(test::sameRows(test::modelRows(*model(form.get(), "teamScheduleList")), reference.teamScheduleList));
    QVERIFY(test::sameRows(test::modelRows(*model(form.get(), "rosterList")), reference.rosterList));
    QVERIFY(test::sameRows(test::modelRows(*model(form.get(), "gamesByDateList")), reference.gamesByDateList));
    QVERIFY(test::sameRows(test::modelRows(*model(form.get(), "seasonList")), reference.seasonList));
    QCOMPARE(form->findChild<QLabel *>(QStringLiteral("dateCaption"))->text(), QStringLiteral("02/15/2004"));

    // Nothing fills again once loading is over.
    QTest::qWait(50);
    for (const char *name : {"gamesByDateList", "teamScheduleList", "rosterList", "seasonList"})
        QVERIFY2(counter.fills(name) == 1, name);
}

void TestMainForm::nothingSlowIsReadBeforeTheWindowIsOnScreen()
{
    MainForm form(test::mainFormStart(paths_));
    QTest::qWait(300);
    QVERIFY(form.isLoading());
    QCOMPARE(model(&form, "seasonList")->rowCount(), 0);
    QCOMPARE(model(&form, "rosterList")->rowCount(), 0);
    QCOMPARE(form.findChild<QComboBox *>(QStringLiteral("teamPicker"))->currentIndex(), -1);

    // A command between the stages is handled at once: the day steps on an
    // empty schedule.
    form.findChild<QPushButton *>(QStringLiteral("dayForward"))->click();
    QCOMPARE(form.findChild<QLabel *>(QStringLiteral("dateCaption"))->text(), QStringLiteral("02/16/2004"));
    QCOMPARE(model(&form, "gamesByDateList")->index(0, 0).data().toString(), QLatin1String(kNoGamesText));
}

// Paint events seen by one widget.
class PaintWatch : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

void TestMainForm::theWindowIsPaintedBeforeTheSlowerFilesAreRead()
{
    auto form = std::make_unique<MainForm>(test::mainFormStart(paths_));
    // The first stage's wait runs out long before the window is shown: the
    // stages still wait for the window to be on screen and painted.
    QTest::qWait(300);
    PaintWatch watch;
    form->findChild<QTabBar *>()->installEventFilter(&watch);
    int paintsWhenTheSeasonCame = -1;
    connect(model(form.get(), "seasonList"), &QAbstractItemModel::modelReset, form.get(),
            [&] { paintsWhenTheSeasonCame = watch.paints; });
    QSignalSpy ready(form.get(), &MainForm::loadingFinished);
    form->show();
    QVERIFY(ready.wait(10000));
    QVERIFY2(paintsWhenTheSeasonCame > 0, qPrintable(QString::number(paintsWhenTheSeasonCame)));
}

void TestMainForm::tabsShowOnlyTheirControls_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QStringList>("shown");
    const QStringList banners = {"divisionBanner0", "divisionBanner1", "divisionBanner2", "divisionBanner3"};
    QTest::newRow("Standings") << int(MainForm::StandingsTab)
                               << (QStringList{"titleCaption", "standingsColumnCaptions", "standingsList"} + banners);
    QTest::newRow("Today") << int(MainForm::TodayTab)
                           << QStringList{"dayBack", "dayForward", "calendarButton", "dateCaption", "gamesByDateList"};
    QTest::newRow("Team") << int(MainForm::TeamTab) << QStringList{"teamLabel", "teamPicker", "teamScheduleList"};
    QTest::newRow("Roster") << int(MainForm::RosterTab) << QStringList{"rosterLabel", "rosterPicker", "rosterList"};
    QTest::newRow("Season") << int(MainForm::SeasonTab) << QStringList{"seasonList"};
    QTest::newRow("Playoffs") << int(MainForm::PlayoffsTab) << QStringList{"playoffSeriesList", "playoffGamesList"};
}

void TestMainForm::tabsShowOnlyTheirControls()
{
    QFETCH(int, tab);
    QFETCH(QStringList, shown);
    form_ = startForm();
    QVERIFY(form_);
    form_->resize(640, 900);  // every standings row in view, so every banner shows
    // Through every other tab first, so that each control's visibility comes
    // from this tab and not from the start.
    for (int other = MainForm::TabCount - 1; other >= 0; --other)
        form_->selectTab(other);
    form_->selectTab(tab);
    QCoreApplication::processEvents();

    const QStringList controls = {"titleCaption", "standingsColumnCaptions", "standingsList", "divisionBanner0",
                                  "divisionBanner1", "divisionBanner2", "divisionBanner3", "dayBack",
                                  "dayForward", "calendarButton", "dateCaption", "gamesByDateList", "teamLabel",
                                  "teamPicker", "teamScheduleList", "rosterLabel", "rosterPicker", "rosterList",
                                  "seasonList", "playoffSeriesList", "playoffGamesList"};
    for (const QString &name : controls) {
        QWidget *control = child(form_.get(), name);
        QVERIFY2(control, qPrintable(name));
        QVERIFY2(control->isVisible() == shown.contains(name), qPrintable(name));
    }
    // Clicking the selected tab again changes nothing.
    form_->selectTab(tab);
    for (const QString &name : controls)
        QVERIFY2(child(form_.get(), name)->isVisible() == shown.contains(name), qPrintable(name));
}

void TestMainForm::listsShowTheirColumns()
{
    MainForm form(test::mainFormStart(paths_));
    auto *tabs = form.findChild<QTabWidget *>();
    QCOMPARE(tabs->tabPosition(), QTabWidget::South);
    const QStringList captions = {" Standings ", "  Today   ", "   Team   ", "  Roster   ", "  Season   "};
    for (int i = 0; i < captions.size(); ++i)
        QCOMPARE(tabs->tabText(i), captions.at(i));

    const QList<ColumnSpec> *columns[] = {&standingsColumns(), &gamesByDateColumns(), &teamScheduleColumns(),
                                          &rosterListColumns(), &seasonColumns()};
    for (size_t i = 0; i < std::size(kListNames); ++i) {
        QTableView *view = list(&form, kListNames[i]);
        QCOMPARE(view->model()->columnCount(), int(columns[i]->size()));
        for (int c = 0; c < columns[i]->size(); ++c) {
            const ColumnSpec &column = columns[i]->at(c);
            QCOMPARE(view->model()->headerData(c, Qt::Horizontal).toString(), QLatin1String(column.caption));
            const auto alignment = Qt::Alignment(view->model()->headerData(c, Qt::Horizontal, Qt::TextAlignmentRole).toInt());
            QCOMPARE(bool(alignment & Qt::AlignRight), column.rightAligned);
        }
        // The standings carry their captions above the list instead.
        QCOMPARE(view->horizontalHeader()->isHidden(), i == 0);
    }
}

void TestMainForm::keyboardSwitchesTabs_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("to");
    for (int tab = 0; tab < MainForm::TabCount; ++tab)
        QTest::addRow("Alt+%d", tab + 1) << int(MainForm::TabCount - 1 - tab) << int(Qt::Key_1 + tab) << int(Qt::AltModifier) << tab;
    QTest::newRow("Ctrl+Tab") << 1 << int(Qt::Key_Tab) << int(Qt::ControlModifier) << 2;
    QTest::newRow("Ctrl+Tab wraps") << int(MainForm::TabCount - 1) << int(Qt::Key_Tab) << int(Qt::ControlModifier) << 0;
    QTest::newRow("Ctrl+Shift+Tab") << 2 << int(Qt::Key_Backtab) << int(Qt::ControlModifier | Qt::ShiftModifier) << 1;
    QTest::newRow("Ctrl+Shift+Tab wraps") << 0 << int(Qt::Key_Backtab) << int(Qt::ControlModifier | Qt::ShiftModifier)
                                          << int(MainForm::TabCount - 1);
}

void TestMainForm::keyboardSwitchesTabs()
{
    QFETCH(int, from);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, to);
    form_ = startForm();
    QVERIFY(form_);
    QVERIFY(QTest::qWaitForWindowActive(form_.get()));
    form_->selectTab(from);
    // From wherever the focus is: a list, a picker or the window itself.
    QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : form_.get();
    QTest::keyClick(target, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(form_->findChild<QTabWidget *>()->currentIndex(), to);
}

void TestMainForm::bannersLieOverTheirRows()
{
    form_ = startForm();
    QVERIFY(form_);
    QTableView *view = list(form_.get(), "standingsList");
    QAbstractItemModel *rows = view->model();
    QList<QLabel *> banners;
    for (int i = 0; i < 4; ++i)
        banners.append(form_->findChild<QLabel *>(QStringLiteral("divisionBanner%1").arg(i)));

    // Each banner covers its blank row whenever some of the row is in view,
    // and is hidden otherwise.
    auto check = [&](const char *when) {
        QCoreApplication::processEvents();
        const QRect band = view->viewport()->rect();
        for (int i = 0; i < 4; ++i) {
            const QRect row = view->visualRect(rows->index(kDivisionRows[i], 0));
            const bool inView = row.intersects(band);
            if (banners[i]->isVisible() != inView)
                return QStringLiteral("%1: banner %2 visible %3, row in view %4")
                    .arg(QLatin1String(when)).arg(i).arg(banners[i]->isVisible()).arg(inView);
            if (!inView)
                continue;
            const QRect placed = banners[i]->geometry();
            if (placed.top() != row.top() || placed.height() != row.height() || placed.width() < band.width())
                return QStringLiteral("%1: banner %2 not over row %3").arg(QLatin1String(when)).arg(i).arg(kDivisionRows[i]);
            if (banners[i]->text() != QLatin1String(kDivisionNames[i]))
                return QStringLiteral("%1: banner %2 says %3").arg(QLatin1String(when)).arg(i).arg(banners[i]->text());
        }
        return QString();
    };
    auto visibleBanners = [&] {
        int n = 0;
        for (QLabel *banner : banners)
            n += banner->isVisible();
        return n;
    };

    form_->resize(640, 900);
    QString problem = check("tall window");
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    QCOMPARE(visibleBanners(), 4);

    form_->resize(480, 360);
    problem = check("short window");
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    QVERIFY(view->verticalScrollBar()->maximum() > 0);
    QVERIFY(banners[0]->isVisible());
    QVERIFY(!banners[3]->isVisible());

    view->verticalScrollBar()->setValue(1);
    problem = check("scrolled by one row");
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    QVERIFY(!banners[0]->isVisible());

    view->verticalScrollBar()->setValue(view->verticalScrollBar()->maximum());
    problem = check("scrolled to the end");
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    QVERIFY(banners[3]->isVisible());
    QVERIFY(!banners[0]->isVisible());

    for (int tab = MainForm::TodayTab; tab < MainForm::TabCount; ++tab) {
        form_->selectTab(tab);
        QCOMPARE(visibleBanners(), 0);
    }
    // Back on the standings after the window changed size elsewhere.
    form_->resize(640, 900);
    form_->selectTab(MainForm::StandingsTab);
    problem = check("back on the standings");
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    QCOMPARE(visibleBanners(), 4);
}

// Where a banner must lie: over its whole row while any of the row is in
// view, hidden otherwise. Empty when every banner is right.
static QString misplacedBanners(MainForm *form)
{
    QTableView *view = list(form, "standingsList");
    const QRect band = view->viewport()->rect();
    for (int i = 0; i < 4; ++i) {
        auto *banner = form->findChild<QLabel *>(QStringLiteral("divisionBanner%1").arg(i));
        const QRect cell = view->visualRect(view->model()->index(kDivisionRows[i], 0));
        const QRect row(band.left(), cell.top(), band.width(), cell.height());
        const bool inView = row.intersects(band);
        if (banner->isVisible() != inView)
            return QStringLiteral("banner %1 visible %2, row in view %3").arg(i).arg(banner->isVisible()).arg(inView);
        const QRect placed = banner->geometry().intersected(band);
        if (inView && placed != row.intersected(band))
            return QStringLiteral("banner %1 at %2,%3 %4x%5, its row at %6,%7 %8x%9")
                .arg(i).arg(placed.x()).arg(placed.y()).arg(placed.width()).arg(placed.height())
                .arg(row.x()).arg(row.y()).arg(row.width()).arg(row.height());
    }
    return QString();
}

void TestMainForm::bannersFollowTheirRowsAtEverySize()
{
    form_ = startForm();
    QVERIFY(form_);
    QTableView *view = list(form_.get(), "standingsList");
    form_->resize(800, 600);
    QCoreApplication::processEvents();
    view->verticalScrollBar()->setValue(view->verticalScrollBar()->maximum());
    QCoreApplication::processEvents();
    const QSize sizes[] = {{320, 400}, {1024, 768}, {480, 360}, {3840, 2160}, {640, 480}};
    for (const QSize &size : sizes) {
        form_->resize(size);
        QCoreApplication::processEvents();
        const QString problem = misplacedBanners(form_.get());
        QVERIFY2(problem.isEmpty(), qPrintable(QStringLiteral("%1x%2: ").arg(size.width()).arg(size.height()) + problem));
        if (view->verticalScrollBar()->maximum() > 0)
            view->verticalScrollBar()->setValue(view->verticalScrollBar()->maximum());
        QCoreApplication::processEvents();
        QVERIFY2(misplacedBanners(form_.get()).isEmpty(), "after a scroll");
    }
    // A bigger font makes taller rows.
    QFont bigger = view->font();
    bigger.setPointSizeF(bigger.pointSizeF() * 1.6);
    view->setFont(bigger);
    QCoreApplication::processEvents();
    QString problem = misplacedBanners(form_.get());
    QVERIFY2(problem.isEmpty(), qPrintable(QStringLiteral("bigger font: ") + problem));
    // A resize made on another tab is caught up on the way back.
    form_->selectTab(MainForm::SeasonTab);
    form_->resize(320, 400);
    QCoreApplication::processEvents();
    form_->selectTab(MainForm::StandingsTab);
    QCoreApplication::processEvents();
    problem = misplacedBanners(form_.get());
    QVERIFY2(problem.isEmpty(), qPrintable(QStringLiteral("tab switch: ") + problem));
}

void TestMainForm::windowComesBackAsItWasLeft()
{
    auto forgetWindow = [] { test::forgetStored(QStringLiteral("Window")); };
    forgetWindow();
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    // A first start fits the screen.
    form_ = startForm();
    QVERIFY(form_);
    QVERIFY(screen.contains(form_->geometry()));
    QCOMPARE(form_->findChild<QTabWidget *>()->currentIndex(), int(MainForm::StandingsTab));

    const QRect left(60, 40, 700, 500);
    form_->setGeometry(left);
    form_->selectTab(MainForm::RosterTab);
    QVERIFY(form_->close());
    form_ = startForm();
    QVERIFY(form_);
    QCOMPARE(form_->geometry(), left);
    QCOMPARE(form_->findChild<QTabWidget *>()->currentIndex(), int(MainForm::RosterTab));
    {
        // Kept as text in a group of its own, beside the user's settings.
        auto store = openSettingsStore();
        QCOMPARE(store->value(QStringLiteral("Window/Tab")), QStringLiteral("3"));
        QCOMPARE(store->value(QStringLiteral("Window/Maximized")), QStringLiteral("0"));
        QVERIFY(!QByteArray::fromBase64(store->value(QStringLiteral("Window/Geometry")).toLatin1()).isEmpty());
    }

    form_->showMaximized();
    QTRY_VERIFY(form_->isMaximized());
    QVERIFY(form_->close());
    form_ = startForm();
    QVERIFY(form_);
    QTRY_VERIFY(form_->isMaximized());

    // Left on a screen that is gone: it comes back on this one.
    form_->showNormal();
    QTRY_VERIFY(!form_->isMaximized());
    form_->setGeometry(QRect(screen.right() + 2000, screen.bottom() + 1500, screen.width() + 300, 500));
    QVERIFY(form_->close());
    form_ = startForm();
    QVERIFY(form_);
    QTRY_VERIFY2(screen.contains(form_->geometry()), qPrintable(QStringLiteral("%5x%6: %1,%2 %3x%4").arg(form_->x())
        .arg(form_->y()).arg(form_->width()).arg(form_->height()).arg(screen.width()).arg(screen.height())));
    form_.reset();
    forgetWindow();
}

void TestMainForm::columnsTakeTheirContentsWidth()
{
    QVERIFY(startFormAt({1900, 1000}));
    QTableView *standings = list(form_.get(), "standingsList");
    const QFontMetrics metrics(standings->font());
    int widestName = 0;
    for (int team = 0; team < kTeamCount; ++team)
        widestName = std::max(widestName, metrics.horizontalAdvance(teamChoices().at(team)));
    const QHeaderView *header = standings->horizontalHeader();
    // A team's name and its wins stay close on a wide window.
    QVERIFY(header->sectionSize(0) >= widestName);
    QVERIFY2(header->sectionSize(0) < widestName + 40, qPrintable(QString::number(header->sectionSize(0))));
    QVERIFY(header->sectionSize(1) < metrics.horizontalAdvance(QStringLiteral("99")) + 40);
    // The spare width goes to the last column.
    const int last = header->count() - 1;
    QCOMPARE(header->sectionViewportPosition(last) + header->sectionSize(last), standings->viewport()->width());

    // A column the user drags keeps its width through the next fill.
    form_->selectTab(MainForm::TodayTab);
    QCoreApplication::processEvents();
    QTableView *games = list(form_.get(), "gamesByDateList");
    QHeaderView *gamesHeader = games->horizontalHeader();
    const int before = gamesHeader->sectionSize(0);
    const int edge = gamesHeader->sectionViewportPosition(0) + before - 1;
    const int y = gamesHeader->height() / 2;
    QWidget *handle = gamesHeader->viewport();
    auto send = [&](QEvent::Type type, int x, Qt::MouseButtons buttons) {
        QMouseEvent event(type, QPointF(x, y), handle->mapToGlobal(QPointF(x, y)),
                          type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons, Qt::NoModifier);
        QApplication::sendEvent(handle, &event);
    };
    send(QEvent::MouseButtonPress, edge, Qt::LeftButton);
    send(QEvent::MouseMove, edge + 30, Qt::LeftButton);
    send(QEvent::MouseMove, edge + 60, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, edge + 60, Qt::NoButton);
    const int dragged = gamesHeader->sectionSize(0);
    QVERIFY2(dragged > before + 30, qPrintable(QStringLiteral("%1 -> %2").arg(before).arg(dragged)));
    QTest::mouseClick(form_->findChild<QPushButton *>(QStringLiteral("dayForward")), Qt::LeftButton);
    QCOMPARE(gamesHeader->sectionSize(0), dragged);
}

static QString tsvLine(const TextTable &table, int row, int columns)
{
    QStringList cells;
    for (int column = 0; column < columns; ++column)
        cells.append(table.cell(row, column).toString());
    return cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
}

static void clickRow(QTableView *view, int row, Qt::KeyboardModifiers modifiers)
{
    const QRect cell = view->visualRect(view->model()->index(row, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, modifiers, cell.center());
}

void TestMainForm::copyGivesTheSelectedRowsAsTsv()
{
    QVERIFY(startFormAt({640, 900}));
    const Viewer reference = referenceViewer();

    // A range across two divisions: each division's rows under its name.
    QTableView *standings = list(form_.get(), "standingsList");
    standings->setFocus();
    clickRow(standings, 6, Qt::NoModifier);
    clickRow(standings, 10, Qt::ShiftModifier);
    QApplication::clipboard()->clear();
    QTest::keyClick(standings, Qt::Key_C, Qt::ControlModifier);
    QString expected = QStringLiteral("Team\tW\tL\tGB\tPct\nAtlantic\n");
    for (int row = 6; row <= 10; ++row) {
        if (row == 8)
            expected += QStringLiteral("Central\n");
        else
            expected += tsvLine(reference.standingsList, row, 5);
    }
    QCOMPARE(QApplication::clipboard()->text(), expected);

    // Rows picked one by one, through the context menu's Copy.
    form_->selectTab(MainForm::SeasonTab);
    QCoreApplication::processEvents();
    QTableView *season = list(form_.get(), "seasonList");
    clickRow(season, 2, Qt::NoModifier);
    clickRow(season, 5, Qt::ControlModifier);
    clickRow(season, 4, Qt::ControlModifier);
    QAction *copy = season->findChild<QAction *>(QStringLiteral("copyRows"));
    QVERIFY(copy && season->actions().contains(copy));
    QCOMPARE(season->contextMenuPolicy(), Qt::ActionsContextMenu);
    QApplication::clipboard()->clear();
    copy->trigger();
    // Every column shown is copied, the final score included.
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("Date\tGame\tTime\tScore\n")
                 + tsvLine(reference.seasonList, 2, 4) + tsvLine(reference.seasonList, 4, 4)
                 + tsvLine(reference.seasonList, 5, 4));
}

void TestMainForm::arrowKeysSkipTheBannersRows()
{
    QVERIFY(startFormAt({640, 900}));
    QTableView *view = list(form_.get(), "standingsList");
    view->setFocus();
    auto currentRow = [view] { return view->currentIndex().row(); };
    auto selectedRows = [view] {
        QList<int> rows;
        for (const QModelIndex &index : view->selectionModel()->selectedRows())
            rows.append(index.row());
        return rows;
    };
    clickRow(view, 7, Qt::NoModifier);
    QTest::keyClick(view, Qt::Key_Down);
    QCOMPARE(currentRow(), 9);
    QCOMPARE(selectedRows(), QList<int>{9});
    QTest::keyClick(view, Qt::Key_Up);
    QCOMPARE(currentRow(), 7);
    QCOMPARE(selectedRows(), QList<int>{7});
    QTest::keyClick(view, Qt::Key_Home, Qt::ControlModifier);
    QCOMPARE(currentRow(), 1);
    QTest::keyClick(view, Qt::Key_Down);
    QTest::keyClick(view, Qt::Key_Up);
    QTest::keyClick(view, Qt::Key_Up);
    QCOMPARE(currentRow(), 1);
    QCOMPARE(selectedRows(), QList<int>{1});
    // Shift+Down across a division selects the teams, not the blank row.
    clickRow(view, 16, Qt::NoModifier);
    QTest::keyClick(view, Qt::Key_Down, Qt::ShiftModifier);
    QCOMPARE(currentRow(), 18);
    QCOMPARE(selectedRows(), (QList<int>{16, 18}));
    // A click on a banner selects no blank row.
    clickRow(view, 25, Qt::NoModifier);
    QVERIFY(!selectedRows().contains(25));
}

void TestMainForm::everyListModelPassesTheModelTester()
{
    form_ = startForm();
    QVERIFY(form_);
    std::vector<std::unique_ptr<QAbstractItemModelTester>> testers;
    for (const char *name : kListNames)
        testers.push_back(std::make_unique<QAbstractItemModelTester>(
            model(form_.get(), name), QAbstractItemModelTester::FailureReportingMode::QtTest));
    // Every kind of refill, watched by the testers.
    form_->selectTab(MainForm::TodayTab);
    QTest::mouseClick(form_->findChild<QPushButton *>(QStringLiteral("dayForward")), Qt::LeftButton);
    auto *teamPicker = form_->findChild<QComboBox *>(QStringLiteral("teamPicker"));
    emit teamPicker->activated(3);
    auto *rosterPicker = form_->findChild<QComboBox *>(QStringLiteral("rosterPicker"));
    emit rosterPicker->activated(4);
    form_->selectTab(MainForm::RosterTab);
    clickHeader(list(form_.get(), "rosterList"), 1);
    for (int row = 0; row < kStandingsRowCount; ++row) {
        const QModelIndex index = model(form_.get(), "standingsList")->index(row, 0);
        const bool banner = std::find(std::begin(kDivisionRows), std::end(kDivisionRows), row) != std::end(kDivisionRows);
        QCOMPARE(bool(index.flags() & Qt::ItemIsSelectable), !banner);
    }
}

void TestMainForm::mnemonicsReachTheirControls()
{
    form_ = startForm();
    QVERIFY(form_);
    QVERIFY(QTest::qWaitForWindowActive(form_.get()));
    // Alt+O on the Team tab goes to the picker and chooses nothing.
    form_->selectTab(MainForm::TeamTab);
    auto *picker = form_->findChild<QComboBox *>(QStringLiteral("teamPicker"));
    QTableView *schedule = list(form_.get(), "teamScheduleList");
    schedule->setFocus();
    QTest::keyClick(form_.get(), Qt::Key_O, Qt::AltModifier);
    QCOMPARE(QApplication::focusWidget(), picker);
    QCOMPARE(picker->currentIndex(), kFavoriteTeam);
    auto *label = form_->findChild<QLabel *>(QStringLiteral("teamLabel"));
    QCOMPARE(label->buddy(), picker);
    QCOMPARE(label->text().remove(QLatin1Char('&')), QStringLiteral("Choose Team:"));
    // Tab goes on from the picker to its list.
    QTest::keyClick(picker, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), schedule);

    // Alt+C on the Today tab opens the popup calendar.
    form_->selectTab(MainForm::TodayTab);
    auto *calendarButton = form_->findChild<QPushButton *>(QStringLiteral("calendarButton"));
    QCOMPARE(calendarButton->text().remove(QLatin1Char('&')), QStringLiteral("Calendar"));
    list(form_.get(), "gamesByDateList")->setFocus();
    QCoreApplication::processEvents();
    QSignalSpy clicked(calendarButton, &QPushButton::clicked);
    QTest::keyClick(list(form_.get(), "gamesByDateList"), Qt::Key_C, Qt::AltModifier);
    QTRY_COMPARE(clicked.count(), 1);  // a mnemonic clicks with the button's short animation
    if (auto *popup = form_->findChild<QCalendarWidget *>(QStringLiteral("popupCalendar")))
        popup->window()->hide();
}

void TestMainForm::screenReadersHearNamesAndDivisions()
{
    form_ = startForm();
    QVERIFY(form_);
    auto name = [](QObject *object) {
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(object);
        return accessible ? accessible->text(QAccessible::Name) : QStringLiteral("<none>");
    };
    for (const char *listName : kListNames)
        QVERIFY2(!name(list(form_.get(), listName)).isEmpty(), listName);
    QCOMPARE(name(list(form_.get(), "standingsList")), QStringLiteral("Standings"));
    // A picker is labelled by its "Choose Team:", not only named by the team it shows.
    for (const char *pickerName : {"teamPicker", "rosterPicker"}) {
        QAccessibleInterface *picker = QAccessible::queryAccessibleInterface(
            form_->findChild<QComboBox *>(QLatin1String(pickerName)));
        const auto labels = picker->relations(QAccessible::Label);
        QVERIFY2(!labels.isEmpty(), pickerName);
        QCOMPARE(labels.first().first->text(QAccessible::Name).remove(QLatin1Char('&')), QStringLiteral("Choose Team:"));
        QVERIFY(picker->object()->property("accessibleName").toString().startsWith(QStringLiteral("Choose Team")));
    }
    QCOMPARE(name(child(form_.get(), QStringLiteral("titleCaption"))),
             form_->findChild<QLabel *>(QStringLiteral("titleCaption"))->text());
    QCOMPARE(name(child(form_.get(), QStringLiteral("dateCaption"))), QStringLiteral("02/15/2004"));
    QCOMPARE(name(child(form_.get(), QStringLiteral("standingsColumnCaptions"))),
             QStringLiteral("Columns: Team, W, L, GB, Pct"));
    // The tabs by their captions, without the blanks that widen them on screen.
    QTabBar *tabBar = form_->findChild<QTabWidget *>()->tabBar();
    QAccessibleInterface *tabs = QAccessible::queryAccessibleInterface(tabBar);
    QStringList tabNames;
    for (int i = 0; i < tabBar->count(); ++i)
        tabNames.append(tabs->child(i)->text(QAccessible::Name));
    QCOMPARE(tabNames, (QStringList{"Standings", "Today", "Team", "Roster", "Season", "Playoffs"}));

    // The banners' blank rows read as their divisions.
    QAccessibleInterface *table = QAccessible::queryAccessibleInterface(list(form_.get(), "standingsList"));
    QVERIFY(table && table->tableInterface());
    for (int i = 0; i < 4; ++i) {
        QAccessibleInterface *cell = table->tableInterface()->cellAt(kDivisionRows[i], 0);
        QVERIFY(cell);
        QCOMPARE(cell->text(QAccessible::Name), QLatin1String(kDivisionNames[i]));
    }
    QAccessibleInterface *team = table->tableInterface()->cellAt(1, 0);
    QCOMPARE(team->text(QAccessible::Name), model(form_.get(), "standingsList")->index(1, 0).data().toString());
}

void TestMainForm::captionsKeepTheirContrast()
{
    form_ = startForm();
    QVERIFY(form_);
    for (const char *name : {"titleCaption", "dateCaption", "teamLabel", "rosterLabel"}) {
        auto *label = form_->findChild<QLabel *>(QLatin1String(name));
        const double ratio = app::contrastRatio(label->palette().color(QPalette::WindowText),
                                                label->palette().color(QPalette::Window));
        QVERIFY2(ratio >= 4.5, qPrintable(QStringLiteral("%1: %2").arg(QLatin1String(name)).arg(ratio)));
    }
    auto *strip = form_->findChild<app::ColumnCaptionStrip *>(QStringLiteral("standingsColumnCaptions"));
    QVERIFY(app::contrastRatio(strip->captionColour(), strip->palette().color(QPalette::Window)) >= 4.5);
    // Pure red on the usual light grey would not be enough; on white, black
    // stays black and a dark background gets a light shade.
    QVERIFY(app::contrastRatio(Qt::red, QColor(0xef, 0xef, 0xef)) < 4.5);
    QVERIFY(app::contrastRatio(app::legibleOn(Qt::red, QColor(0xef, 0xef, 0xef)), QColor(0xef, 0xef, 0xef)) >= 4.5);
    QCOMPARE(app::legibleOn(Qt::black, Qt::white), QColor(Qt::black));
    const QColor dark(0x20, 0x20, 0x28);
    QVERIFY(app::contrastRatio(app::legibleOn(Qt::blue, dark), dark) >= 4.5);
    QCOMPARE(qRound(app::contrastRatio(Qt::black, Qt::white)), 21);
}

void TestMainForm::teamPickerRebuildsOnlyTheTeamSchedule()
{
    form_ = startForm();
    QVERIFY(form_);
    form_->selectTab(MainForm::TeamTab);
    auto *teamPicker = form_->findChild<QComboBox *>(QStringLiteral("teamPicker"));
    auto *rosterPicker = form_->findChild<QComboBox *>(QStringLiteral("rosterPicker"));
    const TextTable rosterBefore = test::modelRows(*model(form_.get(), "rosterList"));

    FillCounter counter(form_.get());
    teamPicker->setFocus();
    QTest::keyClick(teamPicker, Qt::Key_Down);  // the user picks the next team
    QCOMPARE(teamPicker->currentIndex(), kFavoriteTeam + 1);

    QCOMPARE(counter.fills("teamScheduleList"), 1);
    for (const char *name : {"standingsList", "gamesByDateList", "rosterList", "seasonList"})
        QVERIFY2(counter.fills(name) == 0, name);
    QCOMPARE(rosterPicker->currentIndex(), kFavoriteTeam);
    QVERIFY(test::sameRows(test::modelRows(*model(form_.get(), "rosterList")), rosterBefore));

    Viewer reference = referenceViewer();
    reference.fillTeamSchedule(kFavoriteTeam + 1);
    QVERIFY(test::sameRows(test::modelRows(*model(form_.get(), "teamScheduleList")), reference.teamScheduleList));

    // A change made by the program itself is not a choice.
    teamPicker->setCurrentIndex(3);
    QCOMPARE(counter.fills("teamScheduleList"), 1);
}

void TestMainForm::rosterPickerResetsTheSortAndRebuildsOnlyTheRoster()
{
    form_ = startForm();
    QVERIFY(form_);
    form_->selectTab(MainForm::RosterTab);
    QTableView *roster = list(form_.get(), "rosterList");
    auto *rosterPicker = form_->findChild<QComboBox *>(QStringLiteral("rosterPicker"));
    auto *teamPicker = form_->findChild<QComboBox *>(QStringLiteral("teamPicker"));
    clickHeader(roster, ColumnWeight);
    clickHeader(roster, ColumnWeight);  // descending by weight

    FillCounter counter(form_.get());
    rosterPicker->setFocus();
    QTest::keyClick(rosterPicker, Qt::Key_Up);
    QCOMPARE(rosterPicker->currentIndex(), kFavoriteTeam - 1);
    QCOMPARE(counter.fills("rosterList"), 1);
    for (const char *name : {"standingsList", "gamesByDateList", "teamScheduleList", "seasonList"})
        QVERIFY2(counter.fills(name) == 0, name);
    QCOMPARE(teamPicker->currentIndex(), kFavoriteTeam);

    // The new team comes in file order, and the sort starts over: the next
    // click on Wt sorts ascending.
    Viewer reference = referenceViewer();
    reference.chooseRosterTeam(kFavoriteTeam - 1);
    QVERIFY(test::sameRows(test::modelRows(*roster->model()), reference.rosterList));
    QCOMPARE(roster->horizontalHeader()->sortIndicatorSection(), -1);
    clickHeader(roster, ColumnWeight);
    reference.clickRosterColumn(ColumnWeight);
    QVERIFY(test::sameRows(test::modelRows(*roster->model()), reference.rosterList));
    QCOMPARE(roster->horizontalHeader()->sortIndicatorOrder(), Qt::AscendingOrder);
}

void TestMainForm::rosterHeadersSortThroughTheViewer()
{
    form_ = startForm();
    QVERIFY(form_);
    form_->selectTab(MainForm::RosterTab);
    QTableView *roster = list(form_.get(), "rosterList");
    Viewer reference = referenceViewer();
    reference.fillRosterList(kFavoriteTeam);
    const TextTable fileOrder = reference.rosterList;

    // Player, Player again (reversed), then "#" (ascending, as text), then Wt three times.
    const int clicks[] = {ColumnPlayer, ColumnPlayer, ColumnNumber, ColumnWeight, ColumnWeight, ColumnWeight};
    for (int column : clicks) {
        clickHeader(roster, column);
        reference.clickRosterColumn(column);
        QVERIFY(test::sameRows(test::modelRows(*roster->model()), reference.rosterList));
        QVERIFY(!test::sameRows(reference.rosterList, fileOrder) || column == ColumnNumber);
        QCOMPARE(roster->horizontalHeader()->sortIndicatorSection(), column);
        QCOMPARE(roster->horizontalHeader()->sortIndicatorOrder(),
                 reference.rosterSort.descending ? Qt::DescendingOrder : Qt::AscendingOrder);
    }
}

void TestMainForm::dayStepping_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("caption");
    QTest::newRow("<") << int(MainForm::TodayTab) << QStringList{"<"} << "02/14/2004";
    QTest::newRow("> >") << int(MainForm::TodayTab) << QStringList{">", ">"} << "02/17/2004";
    QTest::newRow("> then < comes back") << int(MainForm::TodayTab) << QStringList{">", "<"} << "02/15/2004";
    QTest::newRow("Alt+Left") << int(MainForm::TodayTab) << QStringList{"Alt+Left"} << "02/14/2004";
    QTest::newRow("Alt+Right x3") << int(MainForm::TodayTab) << QStringList{"Alt+Right", "Alt+Right", "Alt+Right"}
                                  << "02/18/2004";
    QTest::newRow("Alt+Right on Standings") << int(MainForm::StandingsTab) << QStringList{"Alt+Right"} << "02/15/2004";
    QTest::newRow("Alt+Left on Season") << int(MainForm::SeasonTab) << QStringList{"Alt+Left"} << "02/15/2004";
}

void TestMainForm::dayStepping()
{
    QFETCH(int, tab);
    QFETCH(QStringList, steps);
    QFETCH(QString, caption);
    form_ = startForm();
    QVERIFY(form_);
    QVERIFY(QTest::qWaitForWindowActive(form_.get()));
    form_->selectTab(tab);
    auto *back = form_->findChild<QPushButton *>(QStringLiteral("dayBack"));
    auto *forward = form_->findChild<QPushButton *>(QStringLiteral("dayForward"));
    FillCounter counter(form_.get());
    int stepsTaken = 0;
    for (const QString &step : steps) {
        if (step == QLatin1String("<") || step == QLatin1String(">")) {
            QTest::mouseClick(step == QLatin1String("<") ? back : forward, Qt::LeftButton);
            ++stepsTaken;
        } else {
            QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : form_.get();
            QTest::keyClick(target, step == QLatin1String("Alt+Left") ? Qt::Key_Left : Qt::Key_Right, Qt::AltModifier);
            stepsTaken += tab == MainForm::TodayTab;
        }
        QVERIFY(!QApplication::overrideCursor());
    }
    QCOMPARE(form_->findChild<QLabel *>(QStringLiteral("dateCaption"))->text(), caption);
    QCOMPARE(counter.fills("gamesByDateList"), stepsTaken);
    for (const char *name : {"standingsList", "teamScheduleList", "rosterList", "seasonList"})
        QVERIFY2(counter.fills(name) == 0, name);

    Viewer reference = referenceViewer();
    reference.chooseDay(dayNumber(QDate::fromString(caption, QStringLiteral("MM/dd/yyyy"))));
    QVERIFY(test::sameRows(test::modelRows(*model(form_.get(), "gamesByDateList")), reference.gamesByDateList));
}

void TestMainForm::popupCalendarChoosesADay()
{
    form_ = startForm();
    QVERIFY(form_);
    form_->selectTab(MainForm::TodayTab);
    auto *calendarButton = form_->findChild<QPushButton *>(QStringLiteral("calendarButton"));
    auto *caption = form_->findChild<QLabel *>(QStringLiteral("dateCaption"));
    FillCounter counter(form_.get());

    QTest::mouseClick(calendarButton, Qt::LeftButton);
    auto *popup = form_->findChild<QCalendarWidget *>(QStringLiteral("popupCalendar"));
    QVERIFY(popup);
    QVERIFY(popup->isVisible());
    QVERIFY(popup->window()->windowFlags().testFlag(Qt::Popup));
    QCOMPARE(popup->selectedDate(), QDate(2004, 2, 15));

    // Browsing to the next month chooses nothing.
    QTableView *days = popup->findChild<QTableView *>();
    QVERIFY(days);
    QTest::keyClick(days, Qt::Key_PageDown);
    QCOMPARE(popup->monthShown(), 3);
    QCOMPARE(caption->text(), QStringLiteral("02/15/2004"));
    QCOMPARE(counter.fills("gamesByDateList"), 0);
    QVERIFY(popup->isVisible());

    // Enter chooses the day under the cursor.
    QTest::keyClick(days, Qt::Key_Return);
    QCOMPARE(caption->text(), popup->selectedDate().toString(QStringLiteral("MM/dd/yyyy")));
    QCOMPARE(popup->selectedDate().month(), 3);
    QVERIFY(!popup->isVisible());
    QCOMPARE(counter.fills("gamesByDateList"), 1);
    Viewer reference = referenceViewer();
    reference.chooseDay(dayNumber(popup->selectedDate()));
    QVERIFY(test::sameRows(test::modelRows(*model(form_.get(), "gamesByDateList")), reference.gamesByDateList));

    // The same popup opens again, on the day the buttons have moved to.
    const QDate chosen = popup->selectedDate();
    form_->findChild<QPushButton *>(QStringLiteral("dayBack"))->click();
    form_->findChild<QPushButton *>(QStringLiteral("dayBack"))->click();
    QTest::mouseClick(calendarButton, Qt::LeftButton);
    QCOMPARE(form_->findChildren<QCalendarWidget *>(QStringLiteral("popupCalendar")).size(), 1);
    QVERIFY(popup->isVisible());
    QCOMPARE(popup->selectedDate(), chosen.addDays(-2));

    // Leaving it without a choice changes nothing.
    const int fills = counter.fills("gamesByDateList");
    QTest::keyClick(days, Qt::Key_Escape);
    QVERIFY(!popup->isVisible());
    QCOMPARE(caption->text(), chosen.addDays(-2).toString(QStringLiteral("MM/dd/yyyy")));
    QCOMPARE(counter.fills("gamesByDateList"), fills);
}

void TestMainForm::calendarDialogIsSingleAndChangesNothing()
{
    form_ = startForm();
    QVERIFY(form_);
    const QString title = QLatin1String(app::kCalendarDialogTitle);
    QAction *calendar = test::menuAction(form_.get(), "calendarDialog");
    QVERIFY(calendar);
    FillCounter counter(form_.get());

    calendar->trigger();
    QCOMPARE(test::windowsTitled(title).size(), 1);
    QWidget *dialog = test::windowsTitled(title).first();
    QVERIFY(dialog->isVisible());
    calendar->trigger();
    QCOMPARE(test::windowsTitled(title), QList<QWidget *>{dialog});

    // Cancel hides it, and it comes back as it was.
    auto *buttons = dialog->findChild<QDialogButtonBox *>();
    QTest::mouseClick(buttons->button(QDialogButtonBox::Cancel), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(test::windowsTitled(title), QList<QWidget *>{dialog});
    QVERIFY(!dialog->isVisible());
    calendar->trigger();
    QCOMPARE(test::windowsTitled(title), QList<QWidget *>{dialog});
    QVERIFY(dialog->isVisible());

    // OK ends it; the next choice makes a new one.
    QTest::mouseClick(buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(test::windowsTitled(title).isEmpty());
    calendar->trigger();
    QCOMPARE(test::windowsTitled(title).size(), 1);
    QVERIFY(test::windowsTitled(title).first()->isVisible());

    // A day chosen in it is only looked at; Return there is OK and ends it.
    auto *days = test::windowsTitled(title).first()->findChild<QCalendarWidget *>()->findChild<QTableView *>();
    QTest::keyClick(days, Qt::Key_PageDown);
    QTest::keyClick(days, Qt::Key_Return);
    QCOMPARE(form_->findChild<QLabel *>(QStringLiteral("dateCaption"))->text(), QStringLiteral("02/15/2004"));
    QCOMPARE(counter.fills("gamesByDateList"), 0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(test::windowsTitled(title).isEmpty());
}

void TestMainForm::closingEndsTheChildWindows_data()
{
    QTest::addColumn<bool>("byKeyboard");
    QTest::newRow("close button") << false;
    QTest::newRow("Ctrl+Q") << true;
}

void TestMainForm::closingEndsTheChildWindows()
{
    QFETCH(bool, byKeyboard);
    form_ = startForm();
    QVERIFY(form_);
    QVERIFY(QTest::qWaitForWindowActive(form_.get()));
    form_->selectTab(MainForm::TodayTab);
    QTest::mouseClick(form_->findChild<QPushButton *>(QStringLiteral("calendarButton")), Qt::LeftButton);
    auto *popup = form_->findChild<QCalendarWidget *>(QStringLiteral("popupCalendar"));
    QVERIFY(popup && popup->isVisible());
    if (byKeyboard) {
        // A key press while the popup is up belongs to the popup.
        popup->window()->hide();
    }
    test::menuAction(form_.get(), "calendarDialog")->trigger();
    const QString title = QLatin1String(app::kCalendarDialogTitle);
    QCOMPARE(test::windowsTitled(title).size(), 1);

    if (byKeyboard) {
        QApplication::setActiveWindow(form_.get());
        QTest::keyClick(form_.get(), Qt::Key_Q, Qt::ControlModifier);
    } else {
        QVERIFY(form_->close());
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!form_->isVisible());
    QVERIFY(!popup->isVisible());
    QVERIFY(test::windowsTitled(title).isEmpty());
}

void TestMainForm::escapeAndMinimiseDoNotEndTheProgram()
{
    form_ = startForm();
    QVERIFY(form_);
    QVERIFY(QTest::qWaitForWindowActive(form_.get()));
    test::menuAction(form_.get(), "calendarDialog")->trigger();
    QApplication::setActiveWindow(form_.get());
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : form_.get(), Qt::Key_Escape);
    QVERIFY(form_->isVisible());
    form_->showMinimized();
    QCoreApplication::processEvents();
    QVERIFY(form_->isVisible());
    QVERIFY(form_->isMinimized());
    QCOMPARE(test::windowsTitled(QLatin1String(app::kCalendarDialogTitle)).size(), 1);
}

QTEST_MAIN(TestMainForm)
#include "tst_main_form.moc"
