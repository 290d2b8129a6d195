// Reading the data files' text: lines, fields, numbers.

#include <QtTest>

#include <climits>

#include "line_reader.h"
#include "text_fields.h"

using namespace hoopdeck;

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
        QStringList read;
        QString line;
        while (reader.readLine(line))
            read.append(line);
        QCOMPARE(read, lines);
        QVERIFY(!reader.error());
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
