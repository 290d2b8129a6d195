#include "column_caption_strip.h"

#include "colour_contrast.h"
#include "text_table_view.h"

#include <algorithm>

#include <QHeaderView>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QTableView>

namespace hoopdeck::app {

ColumnCaptionStrip::ColumnCaptionStrip(QTableView *list, QWidget *parent) : QWidget(parent), list_(list)
{
    QFont bold = font();
    bold.setBold(true);
    setFont(bold);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    QStringList captions;
    if (const QAbstractItemModel *model = list_->model()) {
        for (int column = 0; column < model->columnCount(); ++column)
            captions.append(model->headerData(column, Qt::Horizontal).toString());
    }
    // Painted, not made of labels: a screen reader learns the captions here.
    setAccessibleName(tr("Columns: %1").arg(captions.join(QStringLiteral(", "))));
    connect(list_->horizontalHeader(), &QHeaderView::sectionResized, this, qOverload<>(&QWidget::update));
    connect(list_->horizontalScrollBar(), &QScrollBar::valueChanged, this, qOverload<>(&QWidget::update));
}

QColor ColumnCaptionStrip::captionColour() const
{
    return legibleOn(Qt::red, palette().color(QPalette::Window));
}

QSize ColumnCaptionStrip::sizeHint() const
{
    return {list_->sizeHint().width(), fontMetrics().height() + 4};
}

void ColumnCaptionStrip::paintEvent(QPaintEvent *)
{
    const QAbstractItemModel *model = list_->model();
    if (!model)
        return;
    QPainter painter(this);
    painter.setPen(captionColour());
    // The same inner margin the list leaves around its cell texts.
    const int margin = list_->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list_) + 1;
    const int listLeft = list_->viewport()->mapTo(window(), QPoint()).x() - mapTo(window(), QPoint()).x();
    const QHeaderView *header = list_->horizontalHeader();
    for (int column = 0; column < model->columnCount(); ++column) {
        int width = header->sectionSize(column);
        // The last shown column's caption stays over its texts, as the list draws them.
        if (const auto *view = qobject_cast<const TextTableView *>(list_); view && column == view->lastShownColumn()
            && view->textWidth(column) > 0)
            width = std::min(width, view->textWidth(column));
        const QRect cell(listLeft + header->sectionViewportPosition(column), 0, width, height());
        const auto alignment =
            Qt::Alignment(model->headerData(column, Qt::Horizontal, Qt::TextAlignmentRole).toInt());
        painter.drawText(cell.adjusted(margin, 0, -margin, 0), int(alignment),
                         model->headerData(column, Qt::Horizontal).toString());
    }
}

} // namespace hoopdeck::app
