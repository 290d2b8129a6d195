#include "csv_text.h"

#include <algorithm>

namespace hoopdeck {

QString csvField(QStringView text)
{
    const bool quoted = std::any_of(text.begin(), text.end(), [](QChar c) {
        return c == QLatin1Char(',') || c == QLatin1Char('"') || c == QLatin1Char('\r') || c == QLatin1Char('\n');
    });
    if (!quoted)
        return text.toString();
    QString field;
    field.reserve(text.size() + 2);
    field.append(QLatin1Char('"'));
    for (QChar c : text) {
        if (c == QLatin1Char('"'))
            field.append(QLatin1Char('"'));
        field.append(c);
    }
    field.append(QLatin1Char('"'));
    return field;
}

QString csvRecord(const QStringList &fields)
{
    QString record;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i > 0)
            record.append(QLatin1Char(','));
        record.append(csvField(fields.at(i)));
    }
    return record + QStringLiteral("\r\n");
}

QString csvTable(const QStringList &captions, const QList<QStringList> &rows)
{
    QString text = csvRecord(captions);
    for (const QStringList &row : rows)
        text.append(csvRecord(row));
    return text;
}

} // namespace hoopdeck
