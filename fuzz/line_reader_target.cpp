#include <QByteArray>

#include <cerrno>
#include <climits>
#include <cstdlib>

#include "fuzz_check.h"
#include "fuzz_targets.h"
#include "line_reader.h"
#include "text_fields.h"

namespace hoopdeck::fuzz {

namespace {
// The C library's reading of a decimal number, clamped to int.
int referenceDecimal(const QString &text)
{
    const QByteArray latin1 = text.toLatin1();
    errno = 0;
    const long long value = std::strtoll(latin1.constData(), nullptr, 10);
    return int(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

void expectFields(const QString &line, QChar delimiter)
{
    const QStringList all = splitFields(line, delimiter, INT_MAX);
    for (const QString &field : all)
        FUZZ_EXPECT(!field.isEmpty() && !field.contains(delimiter), line.left(200));

    // Runs of delimiters count as one, and none leads or trails.
    QString collapsed;
    for (QChar c : line) {
        if (c != delimiter || (!collapsed.isEmpty() && collapsed.back() != delimiter))
            collapsed.append(c);
    }
    if (collapsed.endsWith(delimiter))
        collapsed.chop(1);
    FUZZ_EXPECT(all.join(delimiter) == collapsed, line.left(200));

    // Asking for fewer fields gives the first ones and ignores the rest.
    for (int max : {0, 1, 3, 4, 6}) {
        const QStringList some = splitFields(line, delimiter, max);
        FUZZ_EXPECT(some == all.mid(0, max), QStringLiteral("%1 fields of %2").arg(max).arg(line.left(200)));
    }
}
} // namespace

int lineReaderTarget(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    LineReader reader(bytes);
    QString line;
    QString joined;
    qsizetype lines = 0;
    while (reader.readLine(line)) {
        ++lines;
        FUZZ_EXPECT(line.size() <= LineReader::kMaxLineBytes, QString::number(line.size()));
        FUZZ_EXPECT(!line.contains(QLatin1Char('\n')) && !line.contains(QChar(0)), line.left(200));
        FUZZ_EXPECT(!line.endsWith(QLatin1Char('\r')), line.left(200));
        FUZZ_EXPECT(lines <= qsizetype(size), QStringLiteral("more lines than bytes"));
        joined += line;

        expectFields(line, QLatin1Char(','));
        for (const QString &field : splitFields(line, QLatin1Char(','), 6)) {
            const QString name = firstQuotedPiece(field);
            FUZZ_EXPECT(!name.contains(QLatin1Char('"')), field.left(200));
            qsizetype quotes = 0;
            while (quotes < field.size() && field.at(quotes) == QLatin1Char('"'))
                ++quotes;
            FUZZ_EXPECT(QStringView(field).mid(quotes).startsWith(name), field.left(200));
            FUZZ_EXPECT(decimalToInt(field) == referenceDecimal(field),
                        QStringLiteral("%1 read as %2").arg(field.left(200)).arg(decimalToInt(field)));
        }
    }
    FUZZ_EXPECT(!reader.error(), QStringLiteral("bytes in memory reported a read error"));
    FUZZ_EXPECT(!reader.readLine(line), QStringLiteral("a line after the end"));

    // Without NUL bytes or carriage returns nothing but the line feeds is lost.
    if (!bytes.contains('\0') && !bytes.contains('\r')) {
        FUZZ_EXPECT(joined == QString::fromLatin1(QByteArray(bytes).replace('\n', QByteArray())),
                    QStringLiteral("%1 lines lost or changed bytes").arg(lines));
    }
    return 0;
}

} // namespace hoopdeck::fuzz
