// Reading the data files' text: lines, fields, numbers.

#include <QBuffer>
#include <QTemporaryDir>
#include <QtTest>

#include <climits>
#include <cstring>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

#include "control_characters.h"
#include "data_files.h"
#include "line_reader.h"
#include "text_fields.h"

using namespace hoopdeck;

namespace {
QStringList readAll(LineReader &reader)
{
    QStringList read;
    QString line;
    while (reader.readLine(line))
        read.append(line);
    return read;
}

QStringList readThroughDevice(QByteArray bytes)
{
    QBuffer device(&bytes);
    device.open(QIODevice::ReadOnly);
    LineReader reader(device);
    return readAll(reader);
}

// Twenty x's and a line end, for ever.
class EndlessDevice : public QIODevice {
public:
    qint64 served = 0;
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char *data, qint64 max) override
    {
        for (qint64 i = 0; i < max; ++i)
            data[i] = (served + i) % 21 == 20 ? '\n' : 'x';
        served += max;
        return max;
    }
    qint64 writeData(const char *, qint64) override { return -1; }
};

// Two lines, then a read error.
class FailingDevice : public QIODevice {
    bool sent = false;

protected:
    qint64 readData(char *data, qint64 max) override
    {
        if (sent || max < 8)
            return -1;
        sent = true;
        memcpy(data, "one\ntwo\n", 8);
        return 8;
    }
    qint64 writeData(const char *, qint64) override { return -1; }
};
} // namespace

class TextReadingTest : public QObject {
    Q_OBJECT
private slots:
    void lines_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("lines");
        const QByteArray x1023(1023, 'x');
        const QByteArray crOnly = QByteArray("abcd\r").repeated(300);  // 1500 bytes, no LF
        QTest::newRow("empty file") << QByteArray() << QStringList();
        QTest::newRow("no line for the read at the end") << QByteArray("a\nb\n") << QStringList{"a", "b"};
        QTest::newRow("last line without LF") << QByteArray("a\nb") << QStringList{"a", "b"};
        QTest::newRow("CRLF stripped") << QByteArray("a,1\r\nb,2\r\n") << QStringList{"a,1", "b,2"};
        QTest::newRow("blank lines stay lines") << QByteArray("\n\r\na\n") << QStringList{"", "", "a"};
        QTest::newRow("1022 bytes and LF fit") << QByteArray(1022, 'x') + "\nn"
                                               << QStringList{QString(1022, 'x'), "n"};
        QTest::newRow("cut at 1023, remainder next") << x1023 + "yz\nw" << QStringList{QString(1023, 'x'), "yz", "w"};
        QTest::newRow("1023 bytes, then LF alone") << x1023 + "\n" << QStringList{QString(1023, 'x'), ""};
        QTest::newRow("CR-only file: one long line cut at 1023")
            << crOnly << QStringList{QString::fromLatin1(crOnly.left(1023)), QString::fromLatin1(crOnly.mid(1023).chopped(1))};
        QTest::newRow("Latin-1 widening") << QByteArray("Planini\xe6,\xe9t\xe9\xff\n")
                                          << QStringList{QStringLiteral("Planini\u00e6,\u00e9t\u00e9\u00ff")};
        QTest::newRow("text after NUL dropped") << QByteArray("ab\0cd\nef", 8) << QStringList{"ab", "ef"};
    }
    void lines()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, lines);
        LineReader reader(bytes);
        QCOMPARE(readAll(reader), lines);
        QVERIFY(!reader.error());

        // Read from a file, a chunk at a time, the lines are the same.
        QCOMPARE(readThroughDevice(bytes), lines);
    }

    // Lines of every length standing across the reader's chunk boundaries
    // read exactly as from memory.
    void chunkBoundaries()
    {
        QByteArray bytes;
        for (int i = 0; bytes.size() < 300 * 1024; ++i)
            bytes += QByteArray((i * 37) % 1500, char('a' + i % 26)) + (i % 3 ? "\n" : "\r\n");
        LineReader whole(bytes);
        QCOMPARE(readThroughDevice(bytes), readAll(whole));
    }

    // The reader takes from the file only what the lines asked for need:
    // the first line of an endless file is one chunk's read.
    void readsOnlyWhatItNeeds()
    {
        EndlessDevice endless;
        QVERIFY(endless.open(QIODevice::ReadOnly));
        LineReader reader(endless);
        QString line;
        QVERIFY(reader.readLine(line));
        QCOMPARE(line, QString(20, QLatin1Char('x')));
        QVERIFY(reader.readLine(line));
        QVERIFY2(endless.served < 256 * 1024, qPrintable(QString::number(endless.served)));
    }

    // A device that reports an error part-way: the lines before it are
    // delivered and the error is kept.
    void readErrorKeepsTheLinesBefore()
    {
        FailingDevice failing;
        QVERIFY(failing.open(QIODevice::ReadOnly));
        LineReader reader(failing);
        QCOMPARE(readAll(reader), (QStringList{"one", "two"}));
        QVERIFY(reader.error());
    }

    // Only a regular file is a data file: the rest count as missing, and
    // none of them is opened in a way that waits or reads for ever.
    void onlyRegularFilesAreRead()
    {
#ifndef Q_OS_UNIX
        QSKIP("FIFOs and /dev/zero are Unix things");
#else
        QTemporaryDir dir;
        const QString fifo = dir.filePath(QStringLiteral("fifo"));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        const QString device = dir.filePath(QStringLiteral("zero"));
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), device));
        const QString folder = dir.filePath(QStringLiteral("folder"));
        QVERIFY(QDir().mkpath(folder));
        const QString regular = writeFileAt(dir.filePath(QStringLiteral("regular")), "a\nb\n");
        const QString link = dir.filePath(QStringLiteral("link"));
        QVERIFY(QFile::link(regular, link));

        for (const QString &path : {fifo, device, folder, dir.filePath(QStringLiteral("missing"))}) {
            bool called = false;
            QVERIFY(!readDataFile(path, [&](LineReader &) { return called = true; }));
            QVERIFY2(!called, qPrintable(path));
        }
        for (const QString &path : {regular, link}) {
            QStringList lines;
            QVERIFY(readDataFile(path, [&](LineReader &reader) {
                lines = readAll(reader);
                return true;
            }));
            QCOMPARE(lines, (QStringList{"a", "b"}));
        }
#endif
    }

    void fields_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("maxFields");
        QTest::addColumn<QStringList>("fields");
        QTest::newRow("plain") << "0,8,A. Player" << 6 << QStringList{"0", "8", "A. Player"};
        QTest::newRow("run of commas is one") << "a,,,b" << 6 << QStringList{"a", "b"};
        QTest::newRow("leading, trailing commas") << ",,a,b," << 6 << QStringList{"a", "b"};
        QTest::newRow("commas only") << ",,," << 6 << QStringList();
        QTest::newRow("empty") << "" << 6 << QStringList();
        QTest::newRow("rest ignored") << "a,b,c,d" << 2 << QStringList{"a", "b"};
        QTest::newRow("blanks kept") << " a , b" << 6 << QStringList{" a ", " b"};
        QTest::newRow("quotes do not protect") << "\"Smith, Jr.\",5" << 6 << QStringList{"\"Smith", " Jr.\"", "5"};
    }
    void fields()
    {
        QFETCH(QString, line);
        QFETCH(int, maxFields);
        QFETCH(QStringList, fields);
        QCOMPARE(splitFields(line, QLatin1Char(','), maxFields), fields);
    }

    void wholeNumbers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value");  // -1: none
        QTest::newRow("digits") << "89" << 89;
        QTest::newRow("zero") << "0" << 0;
        QTest::newRow("leading zeros") << "007" << 7;
        QTest::newRow("largest") << "2147483647" << INT_MAX;
        QTest::newRow("one more") << "2147483648" << -1;
        QTest::newRow("20 digits") << QString(20, '9') << -1;
        QTest::newRow("empty") << "" << -1;
        QTest::newRow("plus") << "+1" << -1;
        QTest::newRow("minus") << "-1" << -1;
        QTest::newRow("blank before") << " 1" << -1;
        QTest::newRow("blank after") << "1 " << -1;
        QTest::newRow("letter after") << "12a" << -1;
        QTest::newRow("a character below the digits") << "1/" << -1;
        QTest::newRow("a character above the digits") << "1:" << -1;
        QTest::newRow("another script's digit") << QString::fromUtf8("\u0661") << -1;
    }
    void wholeNumbers()
    {
        QFETCH(QString, text);
        QFETCH(int, value);
        QCOMPARE(wholeNumber(text).value_or(-1), value);
    }

    // Rows go out as UTF-8 bytes made from Latin-1 cells: each byte as the
    // terminal text of the widened character, encoded by Qt.
    void terminalBytes()
    {
        for (int byte = 0; byte < 256; ++byte) {
            const char text[] = {'a', char(byte), 'b'};
            char out[3 * sizeof text];
            const char *end = writeTerminalUtf8(out, QLatin1StringView(text, sizeof text));
            QCOMPARE(QByteArray(out, int(end - out)), terminalText(QLatin1StringView(text, sizeof text)).toUtf8());
        }
    }

    void decimal_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value");
        QTest::newRow("digits") << "42" << 42;
        QTest::newRow("leading blanks, tab") << " \t 7" << 7;
        QTest::newRow("plus") << "+3" << 3;
        QTest::newRow("minus") << "-13" << -13;
        QTest::newRow("up to a non-digit") << "12abc" << 12;
        QTest::newRow("up to a blank") << "1 2" << 1;
        QTest::newRow("line end") << "5\r\n" << 5;
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("no digits") << "abc" << 0;
        QTest::newRow("sign alone") << "-" << 0;
        QTest::newRow("blank after sign") << "- 5" << 0;
        QTest::newRow("largest") << "2147483647" << INT_MAX;
        QTest::newRow("smallest") << "-2147483648" << INT_MIN;
        QTest::newRow("clamped up") << "2147483648" << INT_MAX;
        QTest::newRow("clamped down") << "-99999999999" << INT_MIN;
        QTest::newRow("40 digits") << QString(40, '9') << INT_MAX;
    }
    void decimal()
    {
        QFETCH(QString, text);
        QFETCH(int, value);
        QCOMPARE(decimalToInt(text), value);
    }
};

QTEST_APPLESS_MAIN(TextReadingTest)
#include "tst_text_reading.moc"
