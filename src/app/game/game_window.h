#pragma once

#include <QStringList>
#include <QWidget>

class QPlainTextEdit;

namespace hoopdeck::app {

// One game's view in a window of its own beside the main window: the same
// text as `hoopdeck-cli game`. Escape closes it.
class GameWindow : public QWidget {
    Q_OBJECT
public:
    explicit GameWindow(QWidget *parent = nullptr);

    void showLines(const QStringList &lines);
    QString text() const;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    QPlainTextEdit *text_;
};

} // namespace hoopdeck::app
