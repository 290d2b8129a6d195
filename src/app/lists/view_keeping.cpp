#include "view_keeping.h"

#include <QItemSelectionModel>
#include <QScrollBar>
#include <QTableView>

#include "text_table_model.h"

namespace hoopdeck::app {

void refillKeepingPlace(QTableView *view, TextTableModel *model, const std::function<void()> &fill)
{
    QList<int> selected;
    const QModelIndexList rows = view->selectionModel()->selectedRows();
    for (const QModelIndex &index : rows)
        selected.append(index.row());
    const QModelIndex current = view->currentIndex();
    const int currentRow = current.isValid() ? current.row() : -1;
    const int currentColumn = current.isValid() ? current.column() : 0;
    const int vertical = view->verticalScrollBar()->value();
    const int horizontal = view->horizontalScrollBar()->value();

    model->refillTexts(fill);

    QItemSelection selection;
    const int lastColumn = model->columnCount() - 1;
    for (int row : selected) {
        if (row < model->rowCount())
            selection.select(model->index(row, 0), model->index(row, lastColumn));
    }
    // The current row put back is no move of the user's: a list scrolls to a
    // new current row, at once or, while its tab is hidden, when it next
    // shows, and would leave the part the user had in view.
    const bool autoScroll = view->hasAutoScroll();
    view->setAutoScroll(false);
    if (currentRow >= 0 && currentRow < model->rowCount())
        view->selectionModel()->setCurrentIndex(model->index(currentRow, currentColumn), QItemSelectionModel::NoUpdate);
    view->setAutoScroll(autoScroll);
    view->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    // The scroll ranges follow the new rows only once the view has laid them out.
    view->doItemsLayout();
    view->verticalScrollBar()->setValue(vertical);
    view->horizontalScrollBar()->setValue(horizontal);
}

} // namespace hoopdeck::app
