// hoopdeck-screenshots: saves a picture of each tab of the main window, as
// it opens on the installed season with the user's settings, and of the
// dialogs. With --only NAME it saves that one tab alone (run under
// QT_SCALE_FACTOR=2 to show the window at a device pixel ratio of 2).

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QTextStream>
#include <QTimer>

#include <cstdio>

#include "about_dialog.h"
#include "app_identity.h"
#include "download_dialog.h"
#include "help_window.h"
#include "main_form.h"
#include "options_dialog.h"
#include "run_program.h"
#include "teams.h"
#include "start_up.h"

using namespace hoopdeck;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    app::setUpApplication(app);
    QTextStream err(stderr);
    const QStringList args = QCoreApplication::arguments();
    const bool onlyOne = args.size() == 4 && args.at(2) == QLatin1String("--only");
    if (args.size() != 2 && !onlyOne) {
        err << "usage: hoopdeck-screenshots OUTPUT_DIR [--only TAB]\n";
        return 64;
    }
    const QString only = onlyOne ? args.at(3) : QString();
    const QDir outDir(args.at(1));
    if (!QDir().mkpath(outDir.path())) {
        err << "cannot create " << outDir.path() << '\n';
        return 1;
    }
    const StartupCheck check = runStartupChecks(*openSettingsStore());
    if (check.result != StartupCheck::Ok) {
        err << check.message() << '\n';
        return 1;
    }

    app::MainForm form(app::readMainFormStart(*openSettingsStore(), check.paths));
    // The same window every time, whatever the last run left in the store.
    form.resize(640, 720);
    form.selectTab(app::MainForm::StandingsTab);
    const char *const names[app::MainForm::TabCount] = {"standings", "today", "team", "roster", "season", "playoffs"};
    int failures = 0;
    auto save = [&](QWidget &window, const char *name) {
        QCoreApplication::processEvents();
        const QString path = outDir.filePath(QLatin1String(name) + QStringLiteral(".png"));
        if (!window.grab().save(path)) {
            err << "cannot write " << path << '\n';
            ++failures;
        }
    };
    QObject::connect(&form, &app::MainForm::loadingFinished, &form, [&] {
        bool saved = false;
        for (int tab = 0; tab < app::MainForm::TabCount; ++tab) {
            if (!only.isEmpty() && only != QLatin1String(names[tab]))
                continue;
            form.selectTab(tab);
            save(form, names[tab]);
            saved = true;
        }
        // The standings as they stood on the day Today opens on, and the race
        // of the favourite's division up to it.
        const std::pair<int, const char *> standingsChoices[] = {{1, "standings-on-day"}, {2, "race"}};
        for (const auto &[index, name] : standingsChoices) {
            if (!only.isEmpty() && only != QLatin1String(name))
                continue;
            auto *choice = form.findChild<QComboBox *>(QStringLiteral("standingsChoice"));
            form.selectTab(app::MainForm::StandingsTab);
            choice->setCurrentIndex(index);
            save(form, name);
            choice->setCurrentIndex(0);
            saved = true;
        }
        if (!only.isEmpty()) {
            if (!saved) {
                err << "no tab named " << only << '\n';
                ++failures;
            }
            QCoreApplication::exit(0);
            return;
        }
        // The dialogs are drawn without being shown, so none of them starts its work.
        Settings settings;
        LoadSettings(*openSettingsStore(), settings);
        app::OptionsDialog options(teamChoices(), settings);
        options.adjustSize();
        save(options, "options");
        app::AboutDialog about;
        about.adjustSize();
        save(about, "about");
        app::HelpWindow help;
        save(help, "help");
        app::DownloadDialog download(DownloadKind::Standings, QString(), QString(), &form);
        save(download, "download");
        QCoreApplication::exit(0);
    }, Qt::QueuedConnection);
    form.show();
    app.exec();
    return failures == 0 ? 0 : 1;
}
