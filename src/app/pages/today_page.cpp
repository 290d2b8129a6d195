#include "today_page.h"

#include <QCalendarWidget>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>

#include <algorithm>

#include "calendar_marks.h"
#include "caption_font.h"
#include "game_time.h"
#include "text_table_model.h"
#include "text_table_view.h"
#include "viewer.h"
#include "wait_cursor.h"

namespace hoopdeck::app {

TodayPage::TodayPage(Viewer &viewer, TextTableModel *model, QWidget *parent)
    : QWidget(parent), viewer_(viewer), model_(model)
{
    dayBack_ = new QPushButton(QStringLiteral("<"), this);
    dayBack_->setObjectName(QStringLiteral("dayBack"));
    dayBack_->setToolTip(tr("The day before (Alt+Left)"));
    dayBack_->setAccessibleName(tr("The day before"));
    dayForward_ = new QPushButton(QStringLiteral(">"), this);
    dayForward_->setObjectName(QStringLiteral("dayForward"));
    dayForward_->setToolTip(tr("The day after (Alt+Right)"));
    dayForward_->setAccessibleName(tr("The day after"));
    for (QPushButton *button : {dayBack_, dayForward_})
        button->setFixedWidth(button->sizeHint().height() + 8);
    calendarButton_ = new QPushButton(tr("&Calendar"), this);
    calendarButton_->setObjectName(QStringLiteral("calendarButton"));
    dateCaption_ = new QLabel(this);
    dateCaption_->setObjectName(QStringLiteral("dateCaption"));
    dateCaption_->setAccessibleDescription(tr("The day whose games are listed"));
    makeCaption(dateCaption_, Qt::AlignLeft);
    dayNote_ = new QLabel(this);
    dayNote_->setObjectName(QStringLiteral("dayNote"));
    list_ = new TextTableView(model, this);
    list_->setObjectName(QStringLiteral("gamesByDateList"));
    list_->setAccessibleName(tr("Games of the day"));

    connect(dayBack_, &QPushButton::clicked, this, [this] { stepDay(-1); });
    connect(dayForward_, &QPushButton::clicked, this, [this] { stepDay(1); });
    connect(calendarButton_, &QPushButton::clicked, this, &TodayPage::openPopupCalendar);
    // A shortcut acts only while its widget shows: here, while this tab does.
    auto *back = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Left), this);
    connect(back, &QShortcut::activated, this, [this] { stepDay(-1); });
    auto *forward = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Right), this);
    connect(forward, &QShortcut::activated, this, [this] { stepDay(1); });

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(dayBack_);
    buttons->addWidget(dayForward_);
    buttons->addSpacing(6);
    buttons->addWidget(calendarButton_);
    buttons->addSpacing(12);
    buttons->addWidget(dateCaption_);
    buttons->addWidget(dayNote_, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(list_, 1);

    setTabOrder(dayBack_, dayForward_);
    setTabOrder(dayForward_, calendarButton_);
    setTabOrder(calendarButton_, list_);
}

void TodayPage::PaintDateCaption()
{
    dateCaption_->setText(viewer_.day.DateCaption);
    dayNote_->setText(viewer_.dayNote);
}

QWidget *TodayPage::popup() const
{
    return popupFrame_;
}

void TodayPage::stepDay(int days)
{
    WaitCursor wait;
    model_->refill([this, days] { viewer_.stepDay(days); });
    PaintDateCaption();
    emit dayChanged();
}

void TodayPage::chooseDay(const QDate &date)
{
    popupFrame_->hide();
    showDay(dayNumber(date));
}

void TodayPage::showDay(int number)
{
    WaitCursor wait;
    model_->refill([this, number] { viewer_.chooseDay(number); });
    PaintDateCaption();
    emit dayChanged();
}

void TodayPage::openPopupCalendar()
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
        connect(popupCalendar_, &QCalendarWidget::clicked, this, &TodayPage::chooseDay);
        connect(popupCalendar_, &QCalendarWidget::activated, this, &TodayPage::chooseDay);
    }
    markGameDays(popupCalendar_, viewer_.everyGame(), viewer_.settings.favoriteTeam);
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

} // namespace hoopdeck::app
