#pragma once

#include <QWidget>

class QCalendarWidget;
class QDate;
class QFrame;
class QLabel;
class QPushButton;

namespace hoopdeck {
struct Viewer;
}

namespace hoopdeck::app {

class TextTableModel;
class TextTableView;

// The Today tab: "<" and ">" step the day (Alt+Left and Alt+Right while the
// tab shows), "Calendar" opens a popup month to choose one, and the caption
// names the day over the list of its games.
class TodayPage : public QWidget {
    Q_OBJECT
public:
    TodayPage(Viewer &viewer, TextTableModel *model, QWidget *parent = nullptr);

    // The viewer's selected day, and why it is not the machine's date.
    void PaintDateCaption();

    // Shows the day's games, as a step or the calendar does.
    void showDay(int dayNumber);

    // The popup calendar's window; null until it is first opened.
    QWidget *popup() const;
    TextTableView *list() const { return list_; }

signals:
    // The user moved the day (a step or the calendar); the list is refilled.
    void dayChanged();

private:
    void stepDay(int days);
    void chooseDay(const QDate &date);
    void openPopupCalendar();

    Viewer &viewer_;
    TextTableModel *model_;
    QPushButton *dayBack_;
    QPushButton *dayForward_;
    QPushButton *calendarButton_;
    QLabel *dateCaption_;
    QLabel *dayNote_;
    TextTableView *list_;
    QFrame *popupFrame_ = nullptr;  // made once
    QCalendarWidget *popupCalendar_ = nullptr;
};

} // namespace hoopdeck::app
