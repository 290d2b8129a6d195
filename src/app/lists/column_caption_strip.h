#pragma once

#include <QWidget>

class QTableView;

namespace hoopdeck::app {

// The column captions of a list that shows no header of its own, painted in
// red above it and kept over their columns as the list resizes or scrolls.
class ColumnCaptionStrip : public QWidget {
    Q_OBJECT
public:
    explicit ColumnCaptionStrip(QTableView *list, QWidget *parent = nullptr);

    // Red, darkened where the background needs it to stay readable.
    QColor captionColour() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QTableView *list_;
};

} // namespace hoopdeck::app
