#include "standings_page.h"

#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

#include "caption_font.h"
#include "column_caption_strip.h"
#include "standings.h"
#include "text_table_model.h"
#include "text_table_view.h"

#include <algorithm>

namespace hoopdeck::app {

namespace {
// Atlantic and Central (the Eastern groups) on blue, Midwest and Pacific on red.
const char *const kBannerColours[4] = {"#1c3cc8", "#1c3cc8", "#c8201c", "#c8201c"};
}

StandingsPage::StandingsPage(TextTableModel *model, QWidget *parent) : QWidget(parent), model_(model)
{
    QMap<int, QString> divisions;
    for (int i = 0; i < int(std::size(kDivisionRows)); ++i)
        divisions.insert(kDivisionRows[i], QString::fromLatin1(kDivisionNames[i]));
    model_->setGroupRows(divisions);

    title_ = new QLabel(this);
    title_->setObjectName(QStringLiteral("titleCaption"));
    makeCaption(title_, Qt::AlignHCenter);

    list_ = new TextTableView(model, this);
    list_->setObjectName(QStringLiteral("standingsList"));
    list_->horizontalHeader()->hide();
    list_->setShowGrid(true);

    captions_ = new ColumnCaptionStrip(list_, this);
    captions_->setObjectName(QStringLiteral("standingsColumnCaptions"));

    QFont bannerFont = font();
    bannerFont.setBold(true);
    for (int i = 0; i < int(banners_.size()); ++i) {
        auto *banner = new QLabel(QString::fromLatin1(kDivisionNames[i]), list_->viewport());
        banner->setObjectName(QStringLiteral("divisionBanner%1").arg(i));
        banner->setFont(bannerFont);
        banner->setStyleSheet(QStringLiteral("QLabel { color: white; background-color: %1; padding-left: 4px; }")
                                  .arg(QLatin1String(kBannerColours[i])));
        // Clicks and the wheel reach the list beneath.
        banner->setAttribute(Qt::WA_TransparentForMouseEvents);
        banner->hide();
        banners_[i] = banner;
    }

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(title_);
    layout->addSpacing(4);
    layout->addWidget(captions_);
    layout->addWidget(list_, 1);

    list_->viewport()->installEventFilter(this);
    list_->installEventFilter(this);
    connect(list_->verticalHeader(), &QHeaderView::sectionResized, this, &StandingsPage::followLayout);
    connect(list_->horizontalHeader(), &QHeaderView::geometriesChanged, this, &StandingsPage::followLayout);
    connect(list_->verticalScrollBar(), &QScrollBar::valueChanged, this, &StandingsPage::PlaceDivisionBanners);
    connect(list_->horizontalScrollBar(), &QScrollBar::valueChanged, this, &StandingsPage::PlaceDivisionBanners);
    connect(list_->horizontalHeader(), &QHeaderView::sectionResized, this, &StandingsPage::PlaceDivisionBanners);
    connect(model_, &QAbstractItemModel::modelReset, this, &StandingsPage::PlaceDivisionBanners);
}

void StandingsPage::setTitle(const QString &title)
{
    title_->setText(title);
}

void StandingsPage::PlaceDivisionBanners()
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

bool StandingsPage::eventFilter(QObject *watched, QEvent *event)
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
void StandingsPage::followLayout()
{
    if (placementQueued_)
        return;
    placementQueued_ = true;
    QTimer::singleShot(0, this, [this] {
        placementQueued_ = false;
        PlaceDivisionBanners();
    });
}

void StandingsPage::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    PlaceDivisionBanners();
}

} // namespace hoopdeck::app
