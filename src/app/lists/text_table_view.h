#pragma once

#include <QTableView>

#include <vector>

namespace hoopdeck::app {

class TextTableModel;

// A list as the program shows it: whole rows selected, in ranges too, and
// copied as tab-separated text; no editing, no sorting of its own, compact rows. Each column is as wide as
// its widest text (caption included) until the user drags it; the last one
// shown takes the spare width.
class TextTableView : public QTableView {
    Q_OBJECT
public:
    explicit TextTableView(TextTableModel *model, QWidget *parent = nullptr);

    // The selected rows in the list's order, and their copy on the clipboard.
    QList<int> selectedRowNumbers() const;
    void copySelectedRows();

    // The width the column's widest text needs: the caption's, and the
    // widest of the rows in view and the longest cells.
    int contentWidth(int column) const;
    // The same, as of the last fill; where the last column's texts are drawn.
    int textWidth(int column) const;
    // The column that takes the spare width: the last one not hidden, -1 for none.
    int lastShownColumn() const;

    // Gives every column its content's width again, for instance after
    // columns were hidden or shown; a width the user set by hand stays.
    void fitColumnsToContent();

protected:
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    bool viewportEvent(QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    // After a fill: the longest cells are looked for again unless the fill
    // kept the rows, when those found before are measured again.
    void fitAfterFill();
    std::vector<int> longestRows(int column) const;  // by characters
    // The widest of the caption, those rows and the rows in view.
    int measuredWidth(int column, const std::vector<int> &longest) const;
    void applyWidths();

    TextTableModel *model_;
    std::vector<std::vector<int>> longestRows_;  // by column, as last looked for
    bool draggingColumn_ = false;
    QList<int> textWidths_;
    bool userSizedColumns_ = false;
};

} // namespace hoopdeck::app
