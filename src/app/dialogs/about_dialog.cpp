#include "about_dialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "child_windows.h"
#include "version.h"

namespace hoopdeck::app {

namespace {
QLabel *centred(const QString &text, const QString &style = QString())
{
    auto *label = new QLabel(text);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    if (!style.isEmpty())
        label->setStyleSheet(style);
    return label;
}
} // namespace

AboutDialog::AboutDialog(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QLatin1String(kAboutDialogTitle));
    setAccessibleName(windowTitle());
    setAttribute(Qt::WA_DeleteOnClose);

    auto *icon = new QLabel;
    icon->setPixmap(QApplication::windowIcon().pixmap(48, 48));
    auto *name = new QLabel(QStringLiteral("Hoopdeck"));
    QFont nameFont = name->font();
    nameFont.setBold(true);
    nameFont.setPixelSize(26);
    name->setFont(nameFont);
    name->setStyleSheet(QStringLiteral("color: #0000ff;"));
    auto *heading = new QHBoxLayout;
    heading->addStretch();
    heading->addWidget(icon);
    heading->addSpacing(12);
    heading->addWidget(name);
    heading->addStretch();

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(heading);
    layout->addWidget(centred(QStringLiteral("Version ") + QLatin1String(kAboutVersion)));
    layout->addSpacing(12);
    layout->addWidget(centred(tr("Season data: the hoopR NBA stats data of sportsdataverse (CC BY 4.0), "
                                 "NBA.com rosters and box scores and the NBA Players data set"),
                              QStringLiteral("color: #e00000; font-weight: bold;")));
    layout->addWidget(centred(tr("The whole 2003-04 season, on your desktop.")));
    layout->addWidget(buttons);
    setFixedWidth(380);
}

void AboutDialog::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isVisible() && !isActiveWindow())
        done(QDialog::Rejected);
}

} // namespace hoopdeck::app
