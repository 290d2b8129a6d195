#include "text_table_view.h"

#include <QEvent>
#include <QHeaderView>
#include <QStyledItemDelegate>

#include <algorithm>

#include "text_table_model.h"

namespace hoopdeck::app {

namespace {
// The column widths the core gives were made for a lettering about this
// many pixels wide per character.
constexpr double kColumnCharWidth = 5.0;
constexpr int kRowPadding = 4;

// Rows are selected whole, so the style's dotted frame around the one cell
// that holds the keyboard focus only looks like a stray mark.
class RowDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        option->state &= ~QStyle::State_HasFocus;
    }
};
} // namespace

TextTableView::TextTableView(TextTableModel *model, QWidget *parent) : QTableView(parent), model_(model)
{
    setModel(model);
    setItemDelegate(new RowDelegate(this));
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSortingEnabled(false);
    setWordWrap(false);
    setShowGrid(false);
    setTabKeyNavigation(false);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    verticalHeader()->hide();
    const int rowHeight = fontMetrics().height() + kRowPadding;
    verticalHeader()->setMinimumSectionSize(rowHeight);
    verticalHeader()->setDefaultSectionSize(rowHeight);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    fitColumns();
}

bool TextTableView::viewportEvent(QEvent *event)
{
    if (event->type() == QEvent::Resize)
        fitColumns();
    return QTableView::viewportEvent(event);
}

void TextTableView::fitColumns()
{
    const QList<ColumnSpec> &columns = model_->columns();
    // Hidden columns take no share of the width.
    int total = 0, last = -1;
    for (int i = 0; i < columns.size(); ++i) {
        if (!isColumnHidden(i)) {
            total += columns.at(i).width;
            last = i;
        }
    }
    if (last < 0)
        return;
    const int available = viewport()->width();
    const double least = fontMetrics().averageCharWidth() / kColumnCharWidth;
    const double scale = std::max(least, double(available) / total);
    int used = 0;
    for (int i = 0; i < last; ++i) {
        if (isColumnHidden(i))
            continue;
        const int width = int(columns.at(i).width * scale);
        setColumnWidth(i, width);
        used += width;
    }
    setColumnWidth(last, std::max(int(columns.at(last).width * scale), available - used));
}

} // namespace hoopdeck::app
