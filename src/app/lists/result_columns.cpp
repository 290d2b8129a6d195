#include "result_columns.h"

#include <QEvent>
#include <QTableView>
#include <QTimer>

namespace hoopdeck::app {

namespace {
// The row a list not on screen yet is to scroll to, kept on the list itself.
const char *const kPendingRow = "hoopdeckPendingScrollRow";

void scrollNow(QTableView *view, int row)
{
    const QModelIndex index = view->model()->index(row, 0);
    if (index.isValid())
        view->scrollTo(index, QAbstractItemView::PositionAtTop);
}

// A list on a tab not yet shown has no height to scroll in: the scroll waits
// for the list's first showing, and for its layout after that.
class ScrollWhenShown : public QObject {
public:
    explicit ScrollWhenShown(QTableView *view) : QObject(view), view_(view) { view->installEventFilter(this); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == view_ && event->type() == QEvent::Show) {
            view_->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] {
                const QVariant row = view_->property(kPendingRow);
                view_->setProperty(kPendingRow, QVariant());
                if (row.isValid())
                    scrollNow(view_, row.toInt());
                deleteLater();
            });
        }
        return false;
    }

private:
    QTableView *view_;
};
} // namespace

void showResultColumns(QTableView *view, const QList<ColumnSpec> &columns, bool shown)
{
    for (int column = 0; column < columns.size(); ++column) {
        if (columns.at(column).result)
            view->setColumnHidden(column, !shown);
    }
}

void scrollRowToTop(QTableView *view, int row)
{
    if (view->isVisible()) {
        scrollNow(view, row);
        return;
    }
    const bool waiting = view->property(kPendingRow).isValid();
    view->setProperty(kPendingRow, row);
    if (!waiting)
        new ScrollWhenShown(view);
}

} // namespace hoopdeck::app
