#pragma once

#include <QTableView>

namespace hoopdeck::app {

class TextTableModel;

// A list as the program shows it: whole rows selected one at a time, no
// editing, no sorting of its own, compact rows. Each column is as wide as
// its widest text (caption included) until the user drags it; the last one
// takes the spare width.
class TextTableView : public QTableView {
    Q_OBJECT
public:
    explicit TextTableView(TextTableModel *model, QWidget *parent = nullptr);

    // The width the column's widest text needs, over every row.
    int contentWidth(int column) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    bool viewportEvent(QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void fitColumnsToContent();

    TextTableModel *model_;
    bool draggingColumn_ = false;
    bool userSizedColumns_ = false;
};

} // namespace hoopdeck::app
