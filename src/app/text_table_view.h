#pragma once

#include <QTableView>

namespace hoopdeck::app {

class TextTableModel;

// A list as the program shows it: whole rows selected one at a time, no
// editing, no sorting of its own, compact rows. The columns keep the
// proportions the core gives them and widen to fill the list; they never
// shrink below what the lettering needs, the list scrolls sideways instead.
class TextTableView : public QTableView {
    Q_OBJECT
public:
    explicit TextTableView(TextTableModel *model, QWidget *parent = nullptr);

    // Shares the width out again, for instance after columns were hidden or shown.
    void fitColumns();

protected:
    bool viewportEvent(QEvent *event) override;

private:
    TextTableModel *model_;
};

} // namespace hoopdeck::app
