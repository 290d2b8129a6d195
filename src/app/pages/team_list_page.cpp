#include "team_list_page.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QVBoxLayout>

#include "colour_contrast.h"
#include "teams.h"
#include "text_table_view.h"

namespace hoopdeck::app {

namespace {
QComboBox *teamPicker()
{
    auto *picker = new QComboBox;
    // Positions are TeamIndex values: the names stay in their fixed order.
    picker->addItems(teamChoices());
    picker->setMaxVisibleItems(kTeamCount);
    picker->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    picker->setCurrentIndex(-1);
    return picker;
}
} // namespace

TeamListPage::TeamListPage(TextTableModel *model, const Names &names, QWidget *parent)
    : QWidget(parent), picker_(teamPicker()), list_(new TextTableView(model, this))
{
    picker_->setObjectName(QLatin1String(names.picker));
    picker_->setAccessibleName(names.pickerAccessibleName);
    // activated, not currentIndexChanged: a team the program shows is no choice.
    connect(picker_, &QComboBox::activated, this, &TeamListPage::teamChosen);
    list_->setObjectName(QLatin1String(names.list));
    list_->setAccessibleName(names.listAccessibleName);

    auto *row = new QWidget(this);
    auto *label = new QLabel(tr("Ch&oose Team:"), row);
    label->setObjectName(QLatin1String(names.label));
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, legibleOn(Qt::blue, palette.color(QPalette::Window)));
    label->setPalette(palette);
    label->setBuddy(picker_);
    auto *rowLayout = new QHBoxLayout(row);
    rowLayout->setContentsMargins(0, 0, 0, 0);
    rowLayout->addWidget(label);
    rowLayout->addWidget(picker_);
    rowLayout->addStretch(1);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(row);
    layout->addWidget(list_, 1);
    setTabOrder(picker_, list_);
}

int TeamListPage::team() const
{
    return picker_->currentIndex();
}

void TeamListPage::showTeam(int team)
{
    picker_->setCurrentIndex(team);
}

void TeamListPage::sortByHeaderClicks()
{
    QHeaderView *header = list_->horizontalHeader();
    header->setSectionsClickable(true);
    header->setSortIndicatorShown(true);
    header->setSortIndicator(-1, Qt::AscendingOrder);
    connect(header, &QHeaderView::sectionClicked, this, &TeamListPage::columnClicked);
}

void TeamListPage::showSort(int column, bool descending)
{
    list_->horizontalHeader()->setSortIndicator(column, descending ? Qt::DescendingOrder : Qt::AscendingOrder);
}

} // namespace hoopdeck::app
