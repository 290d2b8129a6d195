#include "text_table_view.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QEvent>
#include <QHeaderView>
#include <QStyle>
#include <QStyledItemDelegate>

#include <algorithm>
#include <numeric>
#include <optional>
#include <vector>

#include "row_copy.h"
#include "text_table_model.h"

namespace hoopdeck::app {

namespace {
constexpr int kRowPadding = 4;
// Room between one column's text and the next one's.
constexpr int kColumnGap = 12;
// Beyond twice this many rows, a column is measured over its longest cells
// (this many) and the rows in view.
constexpr int kMeasuredRows = 48;

// Rows are selected whole, so the style's dotted frame around the one cell
// that holds the keyboard focus only looks like a stray mark.
//
// The last column shown takes the spare width of a wide list; its texts keep
// to the column's content width at its left, so that a right-aligned figure
// stays beside the others instead of at the far edge.
class RowDelegate : public QStyledItemDelegate {
public:
    explicit RowDelegate(TextTableView *view) : QStyledItemDelegate(view), view_(view) {}

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        const int width = view_->textWidth(index.column());
        if (index.column() != view_->lastShownColumn() || width <= 0 || option.rect.width() <= width)
            return QStyledItemDelegate::paint(painter, option, index);
        QStyleOptionViewItem full = option;
        initStyleOption(&full, index);
        const QWidget *widget = option.widget;
        QStyle *style = widget ? widget->style() : QApplication::style();
        style->drawPrimitive(QStyle::PE_PanelItemViewItem, &full, painter, widget);
        QStyleOptionViewItem text = option;
        text.rect.setWidth(width);
        QStyledItemDelegate::paint(painter, text, index);
    }

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        option->state &= ~QStyle::State_HasFocus;
    }

private:
    TextTableView *view_;
};

// The header keeps the last shown column's caption over its texts too.
class TextHeader : public QHeaderView {
public:
    explicit TextHeader(TextTableView *view) : QHeaderView(Qt::Horizontal, view), view_(view) {}

protected:
    void paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const override
    {
        const int width = view_->textWidth(logicalIndex);
        if (logicalIndex != view_->lastShownColumn() || width <= 0 || rect.width() <= width)
            return QHeaderView::paintSection(painter, rect, logicalIndex);
        QStyleOptionHeader blank;
        initStyleOption(&blank);
        blank.rect = rect;
        blank.section = logicalIndex;
        blank.position = QStyleOptionHeader::End;
        style()->drawControl(QStyle::CE_HeaderSection, &blank, painter, this);
        QHeaderView::paintSection(painter, QRect(rect.topLeft(), QSize(width, rect.height())), logicalIndex);
    }

private:
    TextTableView *view_;
};
} // namespace

TextTableView::TextTableView(TextTableModel *model, QWidget *parent) : QTableView(parent), model_(model)
{
    setHorizontalHeader(new TextHeader(this));
    setModel(model);
    setItemDelegate(new RowDelegate(this));
    setSelectionBehavior(QAbstractItemView::SelectRows);
    // Ranges with Shift, single rows added or taken away with Ctrl.
    setSelectionMode(QAbstractItemView::ExtendedSelection);
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
    // The user may drag a column; the spare width goes to the last one, so
    // that a wide window does not pull a team's name and its figures apart.
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setStretchLastSection(true);
    horizontalHeader()->setMinimumSectionSize(fontMetrics().averageCharWidth() * 2);
    // Only a drag on the header is the user's own width; the stretch of the
    // last column on every resize is not.
    horizontalHeader()->viewport()->installEventFilter(this);
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this] {
        if (draggingColumn_)
            userSizedColumns_ = true;
    });
    connect(model, &QAbstractItemModel::modelReset, this, &TextTableView::fitAfterFill);

    // Ctrl+C and the context menu's Copy put the selected rows on the clipboard.
    auto *copy = new QAction(tr("&Copy"), this);
    copy->setObjectName(QStringLiteral("copyRows"));
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetShortcut);
    connect(copy, &QAction::triggered, this, &TextTableView::copySelectedRows);
    addAction(copy);
    auto *selectAllRows = new QAction(tr("Select &All"), this);
    selectAllRows->setShortcut(QKeySequence::SelectAll);
    selectAllRows->setShortcutContext(Qt::WidgetShortcut);
    connect(selectAllRows, &QAction::triggered, this, &QAbstractItemView::selectAll);
    addAction(selectAllRows);
    setContextMenuPolicy(Qt::ActionsContextMenu);
    fitColumnsToContent();
}

QList<int> TextTableView::selectedRowNumbers() const
{
    QList<int> rows;
    const QModelIndexList selected = selectionModel()->selectedRows();
    for (const QModelIndex &index : selected)
        rows.append(index.row());
    return rows;
}

void TextTableView::copySelectedRows()
{
    const QList<int> rows = selectedRowNumbers();
    if (!rows.isEmpty())
        QApplication::clipboard()->setText(rowsAsTsv(*model_, rows));
}

int TextTableView::lastShownColumn() const
{
    int column = model_->columnCount() - 1;
    while (column >= 0 && isColumnHidden(column))
        --column;
    return column;
}

QModelIndex TextTableView::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers)
{
    QModelIndex next = QTableView::moveCursor(cursorAction, modifiers);
    // A group's blank row is only a place for its banner: the keyboard steps
    // over it, on in the direction it was going, or back when nothing is there.
    if (!next.isValid() || !model_->isGroupRow(next.row()))
        return next;
    const bool upward = cursorAction == MoveUp || cursorAction == MovePageUp || cursorAction == MoveEnd
                        || cursorAction == MovePrevious;
    for (int step : {upward ? -1 : 1, upward ? 1 : -1}) {
        for (int row = next.row() + step; row >= 0 && row < model_->rowCount(); row += step) {
            if (!model_->isGroupRow(row))
                return model_->index(row, next.column());
        }
    }
    return currentIndex();
}

bool TextTableView::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == horizontalHeader()->viewport()) {
        if (event->type() == QEvent::MouseButtonPress)
            draggingColumn_ = true;
        else if (event->type() == QEvent::MouseButtonRelease)
            draggingColumn_ = false;
    }
    return QTableView::eventFilter(watched, event);
}

bool TextTableView::viewportEvent(QEvent *event)
{
    // A hidden header is not laid out with the list, yet its width is what
    // the last column stretches to.
    if (event->type() == QEvent::Resize && horizontalHeader()->isHidden())
        horizontalHeader()->resize(viewport()->width(), horizontalHeader()->height());
    return QTableView::viewportEvent(event);
}

void TextTableView::changeEvent(QEvent *event)
{
    QTableView::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        const int rowHeight = fontMetrics().height() + kRowPadding;
        verticalHeader()->setMinimumSectionSize(rowHeight);
        verticalHeader()->setDefaultSectionSize(rowHeight);
        fitColumnsToContent();
    }
}

std::vector<int> TextTableView::longestRows(int column) const
{
    const int rows = model_->rowCount();
    std::vector<int> longest;
    if (rows <= kMeasuredRows * 2) {
        longest.resize(size_t(rows));
        std::iota(longest.begin(), longest.end(), 0);
        return longest;
    }
    std::vector<std::pair<qsizetype, int>> lengths;
    lengths.resize(size_t(rows));
    for (int row = 0; row < rows; ++row)
        lengths[size_t(row)] = {model_->cellLength(row, column), row};
    std::nth_element(lengths.begin(), lengths.begin() + kMeasuredRows, lengths.end(),
                     [](const auto &a, const auto &b) { return a.first > b.first; });
    for (int i = 0; i < kMeasuredRows; ++i)
        longest.push_back(lengths[size_t(i)].second);
    return longest;
}

int TextTableView::measuredWidth(int column, const std::vector<int> &longest) const
{
    QFont captionFont = horizontalHeader()->font();
    captionFont.setBold(true);
    int widest = QFontMetrics(captionFont).horizontalAdvance(model_->headerData(column, Qt::Horizontal).toString());
    const int rows = model_->rowCount();
    std::vector<int> sample = longest;
    const int first = std::max(0, rowAt(0));
    const int last = rowAt(viewport()->height() - 1);
    for (int row = first; row <= (last < 0 ? std::min(rows - 1, first + kMeasuredRows) : last); ++row)
        sample.push_back(row);
    const QFontMetrics plain = fontMetrics();
    std::optional<QFontMetrics> bold;
    for (int row : sample) {
        if (row >= rows)
            continue;
        const QModelIndex index = model_->index(row, column);
        const QVariant font = index.data(Qt::FontRole);
        if (font.isValid() && !bold)
            bold.emplace(font.value<QFont>().resolve(this->font()));
        const QFontMetrics &metrics = font.isValid() ? *bold : plain;
        widest = std::max(widest, metrics.horizontalAdvance(index.data().toString()));
    }
    const int margin = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
    return widest + 2 * margin + kColumnGap;
}

int TextTableView::contentWidth(int column) const
{
    // Measured over the cells that can be the widest: the caption, the rows
    // in view and the longest cells by characters, so that a long list
    // costs no more than a short one, and the columns do not change as the
    // list scrolls (the longest cells are the same wherever it stands).
    return measuredWidth(column, longestRows(column));
}

int TextTableView::textWidth(int column) const
{
    return column >= 0 && column < textWidths_.size() ? textWidths_.at(column) : 0;
}

void TextTableView::fitColumnsToContent()
{
    longestRows_.clear();
    for (int column = 0; column < model_->columnCount(); ++column)
        longestRows_.push_back(longestRows(column));
    applyWidths();
}

void TextTableView::fitAfterFill()
{
    if (!model_->lastFillKeptRows() || int(longestRows_.size()) != model_->columnCount()) {
        fitColumnsToContent();
        return;
    }
    applyWidths();
}

void TextTableView::applyWidths()
{
    textWidths_.clear();
    for (int column = 0; column < model_->columnCount(); ++column)
        textWidths_.append(measuredWidth(column, longestRows_[size_t(column)]));
    // Once the user has set a width by hand, that width stays.
    if (userSizedColumns_)
        return;
    for (int column = 0; column < model_->columnCount(); ++column)
        setColumnWidth(column, textWidths_.at(column));
}

} // namespace hoopdeck::app
