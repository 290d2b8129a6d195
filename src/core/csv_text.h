#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace hoopdeck {

// Comma-separated text as spreadsheets read it: a field holding a comma, a
// double quote, a carriage return or a line feed is put in double quotes,
// its quotes doubled; any other field stands as it is.
QString csvField(QStringView text);

// One record: the fields joined by commas, ended by CR LF.
QString csvRecord(const QStringList &fields);

// A whole table: the captions' record, then one record a row.
QString csvTable(const QStringList &captions, const QList<QStringList> &rows);

} // namespace hoopdeck
