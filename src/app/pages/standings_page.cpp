#include "standings_page.h"

#include <QStandardItemModel>

#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QStackedWidget>
#include <QStandardItemModel>
#include <QTimer>
#include <QVBoxLayout>

#include "caption_font.h"
#include "column_caption_strip.h"
#include "race_chart.h"
#include "standings.h"
#include "text_table_model.h"
#include "text_table_view.h"

#include <algorithm>

namespace hoopdeck::app {

namespace {
// Atlantic and Central (the Eastern groups) on blue, Midwest and Pacific on red.
const char *const kBannerColours[4] = {"#1c3cc8", "#1c3cc8", "#c8201c", "#c8201c"};
}

StandingsPanel::StandingsPanel(TextTableModel *model, const QString &listName, const QString &bannerName,
                               QWidget *parent)
    : QWidget(parent), model_(model)
{
    QMap<int, QString> divisions;
    for (int i = 0; i < int(std::size(kDivisionRows)); ++i)
        divisions.insert(kDivisionRows[i], QString::fromLatin1(kDivisionNames[i]));
    model_->setGroupRows(divisions);

    list_ = new TextTableView(model, this);
    list_->setObjectName(listName);
    list_->horizontalHeader()->hide();
    list_->setShowGrid(true);

    captions_ = new ColumnCaptionStrip(list_, this);
    captions_->setObjectName(QString(listName).replace(QLatin1String("List"), QLatin1String("ColumnCaptions")));

    QFont bannerFont = font();
    bannerFont.setBold(true);
    for (int i = 0; i < int(banners_.size()); ++i) {
        auto *banner = new QLabel(QString::fromLatin1(kDivisionNames[i]), list_->viewport());
        banner->setObjectName(bannerName + QString::number(i));
        banner->setFont(bannerFont);
        banner->setStyleSheet(QStringLiteral("QLabel { color: white; background-color: %1; padding-left: 4px; }")
                                  .arg(QLatin1String(kBannerColours[i])));
        // Clicks and the wheel reach the list beneath.
        banner->setAttribute(Qt::WA_TransparentForMouseEvents);
        banner->hide();
        banners_[i] = banner;
    }

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(captions_);
    layout->addWidget(list_, 1);

    list_->viewport()->installEventFilter(this);
    list_->installEventFilter(this);
    connect(list_->verticalHeader(), &QHeaderView::sectionResized, this, &StandingsPanel::followLayout);
    connect(list_->horizontalHeader(), &QHeaderView::geometriesChanged, this, &StandingsPanel::followLayout);
    connect(list_->verticalScrollBar(), &QScrollBar::valueChanged, this, &StandingsPanel::PlaceDivisionBanners);
    connect(list_->horizontalScrollBar(), &QScrollBar::valueChanged, this, &StandingsPanel::PlaceDivisionBanners);
    connect(list_->horizontalHeader(), &QHeaderView::sectionResized, this, &StandingsPanel::PlaceDivisionBanners);
    connect(model_, &QAbstractItemModel::modelReset, this, &StandingsPanel::PlaceDivisionBanners);
}

StandingsPage::StandingsPage(TextTableModel *finalModel, TextTableModel *dayModel, QWidget *parent) : QWidget(parent)
{
    title_ = new QLabel(this);
    title_->setObjectName(QStringLiteral("titleCaption"));
    makeCaption(title_, Qt::AlignLeft);

    choice_ = new QComboBox(this);
    choice_->setObjectName(QStringLiteral("standingsChoice"));
    choice_->setAccessibleName(tr("Standings shown"));
    choice_->addItems({tr("Final"), QString(), tr("Race")});

    panels_ = new QStackedWidget(this);
    final_ = new StandingsPanel(finalModel, QStringLiteral("standingsList"), QStringLiteral("divisionBanner"), panels_);
    onTheDay_ = new StandingsPanel(dayModel, QStringLiteral("standingsDayList"), QStringLiteral("dayDivisionBanner"),
                                   panels_);
    panels_->addWidget(final_);
    panels_->addWidget(onTheDay_);
    race_ = new RaceChart(panels_);
    panels_->addWidget(race_);

    division_ = new QComboBox(this);
    division_->setObjectName(QStringLiteral("raceDivision"));
    division_->setAccessibleName(tr("Division of the race"));
    division_->hide();

    auto *choiceRow = new QHBoxLayout;
    choiceRow->addStretch(1);
    choiceRow->addWidget(division_);
    choiceRow->addWidget(choice_);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(title_);
    layout->addLayout(choiceRow);
    layout->addSpacing(4);
    layout->addWidget(panels_, 1);

    connect(choice_, &QComboBox::currentIndexChanged, this, [this](int index) {
        panels_->setCurrentIndex(index);
        division_->setVisible(index == Race);
        emit shownChanged(Shown(index));
    });
    connect(division_, &QComboBox::currentIndexChanged, this, [this] { emit shownChanged(shown()); });
}

void StandingsPage::setDayCaption(const QString &dayCaption)
{
    choice_->setItemText(OnTheDay, tr("On %1").arg(dayCaption));
}

void StandingsPage::allowFinal(bool allowed)
{
    if (auto *items = qobject_cast<QStandardItemModel *>(choice_->model()))
        items->item(Final)->setEnabled(allowed);
    if (!allowed && shown() == Final)
        choose(OnTheDay);
}

void StandingsPage::setRaceDivisions(const QList<int> &divisions)
{
    const QSignalBlocker quiet(division_);
    const int chosen = division_->count() > 0 ? raceDivision() : -1;
    division_->clear();
    for (int d : divisions)
        division_->addItem(QString::fromLatin1(kDivisionNames[d]), d);
    const int keep = division_->findData(chosen);
    division_->setCurrentIndex(keep >= 0 ? keep : 0);
}

int StandingsPage::raceDivision() const
{
    return division_->currentData().toInt();
}

StandingsPage::Shown StandingsPage::shown() const
{
    return Shown(choice_->currentIndex());
}

void StandingsPage::setTitle(const QString &title)
{
    title_->setText(title);
}

void StandingsPage::choose(Shown which)
{
    choice_->setCurrentIndex(which);
}

void StandingsPage::PlaceDivisionBanners()
{
    static_cast<StandingsPanel *>(panels_->currentWidget())->PlaceDivisionBanners();
}

void StandingsPanel::PlaceDivisionBanners()
{
    const QRect band = list_->viewport()->rect();
    // The last column's stretch may not have caught up with a resize yet.
    const int rowWidth = std::max(list_->horizontalHeader()->length(), band.width());
    for (int i = 0; i < int(banners_.size()); ++i) {
        QLabel *banner = banners_[i];
        const QModelIndex index = model_->index(kDivisionRows[i], 0);
        const QRect cell = index.isValid() ? list_->visualRect(index) : QRect();
        const QRect row(cell.left(), cell.top(), rowWidth, cell.height());
        if (!cell.isValid() || !row.intersects(band)) {
            banner->hide();
            continue;
        }
        banner->setGeometry(row);
        banner->raise();
        banner->show();
    }
}

bool StandingsPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == list_->viewport() && event->type() == QEvent::Resize) {
        PlaceDivisionBanners();
        followLayout();
    }
    if (watched == list_ && (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange))
        followLayout();
    return QWidget::eventFilter(watched, event);
}

// The list settles its scroll range, row offsets and column stretch only
// after a resize or a new font has been delivered: the banners are placed
// again once it has.
void StandingsPanel::followLayout()
{
    if (placementQueued_)
        return;
    placementQueued_ = true;
    QTimer::singleShot(0, this, [this] {
        placementQueued_ = false;
        PlaceDivisionBanners();
    });
}

void StandingsPanel::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    PlaceDivisionBanners();
}

} // namespace hoopdeck::app
