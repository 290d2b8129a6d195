#pragma once

#include <QString>
#include <QWidget>

class QComboBox;

namespace hoopdeck::app {

class TextTableModel;
class TextTableView;

// A tab that lists one team's rows under a "Choose Team:" picker: the Team
// tab's schedule, the Roster tab's players. The picker's positions are
// TeamIndex values; nothing is chosen until the program shows a team.
class TeamListPage : public QWidget {
    Q_OBJECT
public:
    // The object names of the page's label, picker and list, and what a
    // screen reader says for the picker and the list.
    struct Names {
        const char *label;
        const char *picker;
        const char *list;
        QString pickerAccessibleName;
        QString listAccessibleName;
    };

    TeamListPage(TextTableModel *model, const Names &names, QWidget *parent = nullptr);

    QComboBox *picker() const { return picker_; }
    TextTableView *list() const { return list_; }
    int team() const;
    // Shows the team in the picker; not a choice, so teamChosen stays silent.
    // A team outside the list leaves the picker without one.
    void showTeam(int team);

    // Clicks on the list's column headers are told by columnClicked, and the
    // header shows an arrow where showSort puts it; the list never sorts itself.
    void sortByHeaderClicks();
    void showSort(int column, bool descending);

signals:
    void teamChosen(int team);  // the user's choice only
    void columnClicked(int column);

private:
    QComboBox *picker_;
    TextTableView *list_;
};

} // namespace hoopdeck::app
