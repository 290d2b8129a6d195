#include "run_program.h"

#include <QApplication>

#include <cstdio>

#include "child_windows.h"
#include "install.h"
#include "main_form.h"
#include "message_box.h"
#include "single_instance.h"
#include "start_up.h"

namespace hoopdeck::app {

MainFormStart readMainFormStart(const SettingsStore &store, const DataPaths &paths)
{
    MainFormStart start;
    start.paths = paths;
    LoadSettings(store, start.settings);
    start.startDate = startDateFrom(qEnvironmentVariable("HOOPDECK_TODAY"));
    start.downloadLimits = downloadLimits(qEnvironmentVariableIntValue("HOOPDECK_NET_TIMEOUT_MS"),
                                          qEnvironmentVariableIntValue("HOOPDECK_NET_DEADLINE_MS"));
    return start;
}

int RunHoopdeck()
{
    // A second start touches nothing: no settings, no data file, no
    // window; it says on its terminal what became of it.
    SingleInstance instance(SingleInstance::defaultServerName());
    if (const HandOver handOver = instance.handOverOrListen()) {
        std::fprintf(stderr, "%s\n", qPrintable(handOver.message()));
        return handOver.answered ? 0 : 1;
    }
    // Whatever this copy shows under its name comes forward: the main form,
    // or a start-up message that is still waiting for its OK.
    QObject::connect(&instance, &SingleInstance::comeForwardRequested,
                     [] { BringDialogForward(QLatin1String(kMainFormTitle)); });

    const std::unique_ptr<SettingsStore> store = openSettingsStore();
    // An installed program sets the season up for a user who has none yet.
    installOnFirstRun(*store);
    const StartupCheck check = runStartupChecks(*store);
    if (check.result != StartupCheck::Ok) {
        ShowHoopdeckMessage(nullptr, check.message());
        return 0;
    }

    MainForm form(readMainFormStart(*store, check.paths));
    // Benchmarks time the whole start: they ask the program to end once the
    // last stage of loading is done.
    if (qEnvironmentVariable("HOOPDECK_EXIT_WHEN_READY") == QLatin1String("1"))
        QObject::connect(&form, &MainForm::loadingFinished, &form, [] { QCoreApplication::exit(0); },
                         Qt::QueuedConnection);
    form.show();
    QApplication::exec();
    return 0;
}

} // namespace hoopdeck::app
