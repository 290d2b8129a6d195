#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

#include "file_write.h"
#include "viewer.h"

class QMenu;
class QTabWidget;
class QTableView;
class QWidget;

namespace hoopdeck::app {

// A list as its view shows it, as comma-separated text: the captions of the
// columns in sight, then every row's cells in those columns.
QByteArray listAsCsv(const QTableView *view);

// The list in sight on the tab shown; null when the tab shows none.
QTableView *listInSight(const QTabWidget *tabs);

// The exports, written whole or not at all.
FileWriteResult saveTeamCalendar(const QString &path, const Viewer &viewer, int team);
FileWriteResult saveListAsCsv(const QString &path, const QTableView *view);
FileWriteResult saveChartAsPng(const QString &path, QWidget *chart);

// File > Export: the Team tab's schedule as a calendar, the list in sight
// as CSV, the race chart as a picture, each after a file dialog; a failure
// is told with its reason. tabs gives the window's tabs, team the team the
// Team tab shows (-1 while none is), chart the race chart.
void addExportMenu(QMenu *fileMenu, QWidget *window, const Viewer &viewer, std::function<QTabWidget *()> tabs,
                   std::function<int()> team, std::function<QWidget *()> chart);

} // namespace hoopdeck::app
