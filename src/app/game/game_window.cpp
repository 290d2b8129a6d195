#include "game_window.h"

#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QKeyEvent>
#include <QVBoxLayout>

namespace hoopdeck::app {

GameWindow::GameWindow(QWidget *parent) : QWidget(parent, Qt::Window), text_(new QPlainTextEdit(this))
{
    setObjectName(QStringLiteral("gameWindow"));
    setWindowTitle(tr("Game Details"));
    text_->setObjectName(QStringLiteral("gameText"));
    text_->setReadOnly(true);
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    // The line score and totals are columns padded with blanks.
    text_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(text_);
}

void GameWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void GameWindow::showLines(const QStringList &lines)
{
    text_->setPlainText(lines.join(QLatin1Char('\n')));
    const QFontMetrics metrics(text_->font());
    int widest = 0;
    for (const QString &line : lines)
        widest = std::max(widest, metrics.horizontalAdvance(line));
    resize(std::max(width(), widest + 4 * metrics.averageCharWidth()),
           std::max(height(), (int(lines.size()) + 3) * metrics.lineSpacing()));
}

QString GameWindow::text() const
{
    return text_->toPlainText();
}

} // namespace hoopdeck::app
