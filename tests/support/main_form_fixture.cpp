#include "main_form_fixture.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTest>

#include "main_form.h"
#include "run_program.h"
#include "settings_store.h"

namespace hoopdeck::test {

app::MainFormStart mainFormStart(const DataPaths &paths)
{
    return app::readMainFormStart(*openSettingsStore(), paths);
}

std::unique_ptr<app::MainForm> startMainForm(const DataPaths &paths)
{
    auto form = std::make_unique<app::MainForm>(mainFormStart(paths));
    QSignalSpy ready(form.get(), &app::MainForm::loadingFinished);
    form->show();
    if (!QTest::qWaitForWindowExposed(form.get()) || !ready.wait(10000))
        return nullptr;
    return form;
}

QAction *menuAction(const QWidget *form, const char *name)
{
    return form->findChild<QAction *>(QLatin1String(name));
}

QList<QWidget *> windowsTitled(const QString &title, bool shownOnly)
{
    QList<QWidget *> found;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->windowTitle() == title && (window->isVisible() || !shownOnly))
            found.append(window);
    }
    return found;
}

void prepareRuntimeDir()
{
    const QString dir = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (dir.isEmpty())
        return;
    QDir().mkpath(dir);
    QFile::setPermissions(dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

} // namespace hoopdeck::test
