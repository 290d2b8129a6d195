#pragma once

#include <QList>
#include <QString>

namespace hoopdeck::app {

class TextTableModel;

// Rows of a list as tab-separated text, for the clipboard: a line of the
// column captions, then each row in the list's order, each group's rows
// (a division of the standings) under a line with the group's name.
QString rowsAsTsv(const TextTableModel &model, QList<int> rows);

} // namespace hoopdeck::app
