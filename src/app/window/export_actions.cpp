#include "export_actions.h"

#include <QAbstractItemModel>
#include <QDateTime>
#include <QDir>
#include <QBuffer>
#include <QFileDialog>
#include <QMenu>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTableView>

#include "csv_text.h"
#include "message_box.h"
#include "team_calendar.h"
#include "teams.h"

namespace hoopdeck::app {

namespace {
QString suggestedPath(const QString &name)
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return folder.isEmpty() ? name : QDir(folder).filePath(name);
}

void tellUnsaved(QWidget *window, const QString &what, const FileWriteResult &result)
{
    if (!result.ok)
        ShowHoopdeckMessage(window, QObject::tr("%1 was not saved: %2").arg(what, result.reason));
}

void exportTeamCalendar(QWidget *window, const Viewer &viewer, int team)
{
    if (team < 0) {
        ShowHoopdeckMessage(window, QObject::tr("The Team tab shows no team yet."));
        return;
    }
    const QString path = QFileDialog::getSaveFileName(window, QObject::tr("Export Team Schedule"),
                                                      suggestedPath(teamDisplayName(team) + QStringLiteral(".ics")),
                                                      QObject::tr("iCalendar files (*.ics);;All files (*)"));
    if (!path.isEmpty())
        tellUnsaved(window, QObject::tr("The schedule"), saveTeamCalendar(path, viewer, team));
}

void exportList(QWidget *window, QTabWidget *tabs)
{
    const QTableView *view = listInSight(tabs);
    if (!view)
        return;
    const QString name = tabs->tabText(tabs->currentIndex()).trimmed() + QStringLiteral(".csv");
    const QString path = QFileDialog::getSaveFileName(window, QObject::tr("Export List as CSV"), suggestedPath(name),
                                                      QObject::tr("CSV files (*.csv);;All files (*)"));
    if (!path.isEmpty())
        tellUnsaved(window, QObject::tr("The list"), saveListAsCsv(path, view));
}
// The race as drawn in the Standings tab, which must show it.
void exportChart(QWidget *window, QWidget *chart)
{
    if (!chart || !chart->isVisible()) {
        ShowHoopdeckMessage(window, QObject::tr("Choose Race in the Standings tab to draw the chart first."));
        return;
    }
    const QString path = QFileDialog::getSaveFileName(window, QObject::tr("Export Chart"),
                                                      suggestedPath(QStringLiteral("race.png")),
                                                      QObject::tr("PNG images (*.png);;All files (*)"));
    if (!path.isEmpty())
        tellUnsaved(window, QObject::tr("The chart"), saveChartAsPng(path, chart));
}
} // namespace

QByteArray listAsCsv(const QTableView *view)
{
    const QAbstractItemModel *model = view->model();
    QList<int> columns;
    QStringList captions;
    for (int column = 0; column < model->columnCount(); ++column) {
        if (view->isColumnHidden(column))
            continue;
        columns.append(column);
        captions.append(model->headerData(column, Qt::Horizontal).toString());
    }
    QList<QStringList> rows;
    for (int row = 0; row < model->rowCount(); ++row) {
        QStringList cells;
        for (int column : columns)
            cells.append(model->index(row, column).data().toString());
        rows.append(cells);
    }
    return csvTable(captions, rows).toUtf8();
}

QTableView *listInSight(const QTabWidget *tabs)
{
    QWidget *page = tabs->currentWidget();
    if (!page)
        return nullptr;
    // The standings page holds two lists, one of them in sight.
    for (QTableView *view : page->findChildren<QTableView *>()) {
        if (view->isVisibleTo(page))
            return view;
    }
    return nullptr;
}

FileWriteResult saveTeamCalendar(const QString &path, const Viewer &viewer, int team)
{
    const bool showResults = viewer.settings.results != ResultsShown::None;
    return writeFileWhole(path, teamCalendar(viewer.games, team, viewer.spoilerLine(), showResults,
                                             QDateTime::currentDateTimeUtc()));
}

FileWriteResult saveListAsCsv(const QString &path, const QTableView *view)
{
    return writeFileWhole(path, listAsCsv(view));
}

FileWriteResult saveChartAsPng(const QString &path, QWidget *chart)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    chart->grab().save(&buffer, "PNG");
    return writeFileWhole(path, bytes);
}

void addExportMenu(QMenu *fileMenu, QWidget *window, const Viewer &viewer, std::function<QTabWidget *()> tabs,
                   std::function<int()> team, std::function<QWidget *()> chart)
{
    QMenu *menu = fileMenu->addMenu(QObject::tr("&Export"));
    menu->setObjectName(QStringLiteral("exportMenu"));
    menu->addAction(QObject::tr("&Team Schedule (.ics)..."), window,
                    [window, &viewer, team] { exportTeamCalendar(window, viewer, team()); })
        ->setObjectName(QStringLiteral("exportTeamSchedule"));
    menu->addAction(QObject::tr("&List as CSV..."), window, [window, tabs] { exportList(window, tabs()); })
        ->setObjectName(QStringLiteral("exportListAsCsv"));
    menu->addAction(QObject::tr("&Chart as PNG..."), window, [window, chart] { exportChart(window, chart()); })
        ->setObjectName(QStringLiteral("exportChart"));
}

} // namespace hoopdeck::app
