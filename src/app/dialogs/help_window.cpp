#include "help_window.h"

#include <QFileInfo>
#include <QShortcut>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "child_windows.h"
#include "install.h"

namespace hoopdeck::app {

QString helpFilePath()
{
    return sharedDataDir() + QStringLiteral("/Hoopdeck.html");
}

HelpWindow::HelpWindow(QWidget *parent) : QWidget(parent, Qt::Window), browser_(new QTextBrowser)
{
    setWindowTitle(QLatin1String(kHelpWindowTitle));
    setAccessibleName(windowTitle());
    browser_->setAccessibleName(tr("Help page"));
    // Escape and Ctrl+W close it, as they close a dialog or a document.
    for (const QKeySequence &keys : {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
        auto *shortcut = new QShortcut(keys, this);
        connect(shortcut, &QShortcut::activated, this, &QWidget::close);
    }
    setAttribute(Qt::WA_DeleteOnClose);
    browser_->setOpenExternalLinks(true);
    const QString path = helpFilePath();
    if (QFileInfo::exists(path)) {
        QUrl page = QUrl::fromLocalFile(path);
        page.setFragment(QStringLiteral("Main_Contents"));
        browser_->setSource(page);
    } else {
        browser_->setPlainText(tr("The help page is missing: Hoopdeck looked for it in %1.").arg(path));
    }
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    resize(640, 720);
}

void LaunchHelp()
{
    if (BringDialogForward(QLatin1String(kHelpWindowTitle)))
        return;
    auto *help = new HelpWindow;
    placeOverMainWindow(help, findWindowTitled(QLatin1String(kMainFormTitle)));
    help->show();
}

bool CloseHelpViewer()
{
    QWidget *help = findWindowTitled(QLatin1String(kHelpWindowTitle));
    if (!help)
        return false;
    help->close();
    return true;
}

} // namespace hoopdeck::app
