// The settings file: plain key=value text that keeps every value as it was
// given, reads the files earlier releases wrote through Qt's INI format the
// way they meant, and never writes what it could not read back.

#include <QBuffer>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include "file_content.h"
#include "settings_format.h"
#include "settings_store.h"
#include "table_text.h"

using namespace hoopdeck;

class SettingsFileTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    int files = 0;

    QString newPath() { return dir.filePath(QStringLiteral("Hoopdeck%1.conf").arg(++files)); }
    static QSettings::SettingsMap parse(const QByteArray &bytes)
    {
        QBuffer buffer;
        buffer.setData(bytes);
        buffer.open(QIODevice::ReadOnly);
        QSettings::SettingsMap map;
        readSettingsFile(buffer, map);
        return map;
    }

private slots:
    void valuesStayTextExactly_data()
    {
        QTest::addColumn<QString>("value");
        QTest::newRow("commas") << "-3,4";
        QTest::newRow("a typed value's spelling") << "@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\x5)";
        QTest::newRow("a doubled at") << "@@text";
        QTest::newRow("quotes") << "\"quoted\" and 'single'";
        QTest::newRow("blanks at both ends") << "  -4  ";
        QTest::newRow("INI's own characters") << "a;b=c#d[e]\\f";
        QTest::newRow("empty") << "";
        QTest::newRow("beyond ASCII") << QStringLiteral("Montr\u00e9al \u00b7 \u65e5\u672c");
    }
    void valuesStayTextExactly()
    {
        QFETCH(QString, value);
        const QString path = newPath();
        {
            QSettings store(path, settingsFileFormat());
            store.setValue(QStringLiteral("OffSet"), value);
            store.sync();
            QCOMPARE(store.status(), QSettings::NoError);
        }
        QVERIFY2(fileContent(path).contains("\nOffSet=" + value.toUtf8() + "\n"), fileContent(path).constData());
        QSettings reread(path, settingsFileFormat());
        QCOMPARE(reread.value(QStringLiteral("OffSet")).typeId(), QMetaType::QString);
        QCOMPARE(reread.value(QStringLiteral("OffSet")).toString(), value);
    }

    void handEditedValuesReadByTheProgramsRule_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QList<int>>("values");  // OffSet, Team, Index
        const QByteArray ours = "; Hoopdeck settings: plain key=value text\n[General]\n";
        QTest::newRow("a list is text") << ours + "OffSet=-3,4\nTeam=1\nIndex=4\n" << QList<int>{-3, 1, 4};
        QTest::newRow("a typed value is text")
            << ours + "OffSet=@Variant(\\0\\0\\0\\xb\\xcc\\xff\\xff\\xff\\xf0)\nTeam=2\nIndex=5\n" << QList<int>{0, 2, 5};
        QTest::newRow("blanks around") << ours + "  OffSet =  -4\r\nTeam\t= 7 \r\nIndex=11\r\n" << QList<int>{-4, 7, 11};
        QTest::newRow("comments and a lower-case general")
            << QByteArray("; Hoopdeck settings: plain key=value text\n# mine\n[general]\n;x=1\nOffSet=2\nTeam=3\nIndex=6\n")
            << QList<int>{2, 3, 6};
        QTest::newRow("an earlier release's file, a list") << QByteArray("[General]\nOffSet=-3,4\nTeam=1\nIndex=4\n")
                                                           << QList<int>{-3, 1, 4};
        QTest::newRow("an earlier release's file, quoted")
            << QByteArray("[General]\nOffSet=\" -3\"\nTeam=1\nIndex=@Variant(\\0\\0\\0\\x7f)\n") << QList<int>{-3, 1, 0};
        QTest::newRow("keys in another group are not these")
            << ours + "OffSet=1\n[Window]\nTeam=9\nIndex=9\n" << QList<int>{1, 0, 11};
    }
    void handEditedValuesReadByTheProgramsRule()
    {
        QFETCH(QByteArray, file);
        QFETCH(QList<int>, values);
        const QString path = newPath();
        writeDataFile(dir.path(), QFileInfo(path).fileName(), file);
        QSettings store(path, settingsFileFormat());
        Settings settings;
        LoadSettings(store, settings);
        QCOMPARE((QList<int>{settings.zoneOffsetHours, settings.favoriteTeam, settings.zoneIndex}), values);
        QCOMPARE(fileContent(path), file);  // reading never rewrites
    }

    // What an earlier release stored through Qt's INI format reads the same.
    void earlierReleasesFilesReadTheSame()
    {
        const QString path = newPath();
        const QStringList texts = {QStringLiteral("/home/a,b/Hoopdeck data"), QStringLiteral("C:\\Program Files\\Hoopdeck"),
                                   QStringLiteral("@at the start"), QStringLiteral("say \"hi\"; then go"),
                                   QStringLiteral("  padded  "), QStringLiteral("tab\there"),
                                   QStringLiteral("Montr\u00e9al")};
        {
            QSettings ini(path, QSettings::IniFormat);
            for (int i = 0; i < texts.size(); ++i)
                ini.setValue(QStringLiteral("Text%1").arg(i), texts.at(i));
            ini.setValue(QStringLiteral("OffSet"), QStringLiteral("-3"));
            ini.setValue(QStringLiteral("Team"), 1);
            ini.setValue(QStringLiteral("Window/state"), QStringLiteral("AAAA+/=="));
        }
        QSettings store(path, settingsFileFormat());
        for (int i = 0; i < texts.size(); ++i)
            QCOMPARE(store.value(QStringLiteral("Text%1").arg(i)).toString(), texts.at(i));
        Settings settings;
        LoadSettings(store, settings);
        QCOMPARE(settings.zoneOffsetHours, -3);
        QCOMPARE(settings.favoriteTeam, 1);
        QCOMPARE(store.value(QStringLiteral("Window/state")).toString(), QStringLiteral("AAAA+/=="));

        // Saved once, the file is in the plain form and still reads the same.
        QVERIFY(SaveSettings(store, settings));
        QVERIFY(fileContent(path).startsWith("; Hoopdeck settings"));
        QVERIFY(fileContent(path).contains("\nText0=/home/a,b/Hoopdeck data\n"));
        QSettings again(path, settingsFileFormat());
        for (int i = 0; i < texts.size(); ++i)
            QCOMPARE(again.value(QStringLiteral("Text%1").arg(i)).toString(), texts.at(i));
    }

    void groupsBecomeSections()
    {
        const QString path = newPath();
        {
            QSettings store(path, settingsFileFormat());
            store.setValue(QStringLiteral("Window/geometry"), QStringLiteral("AdnQywADAAA="));
            store.setValue(QStringLiteral("Window/tab"), 3);
            store.setValue(QStringLiteral("Aaa/first"), QStringLiteral("x"));
            store.setValue(QStringLiteral("Team"), 4);
            store.setValue(QStringLiteral("Results"), true);
        }
        QCOMPARE(fileContent(path), QByteArray("; Hoopdeck settings: plain key=value text\n[General]\nResults=true\nTeam=4\n"
                                             "\n[Aaa]\nfirst=x\n\n[Window]\ngeometry=AdnQywADAAA=\ntab=3\n"));
        const QSettings::SettingsMap map = parse(fileContent(path));
        QCOMPARE(map.value(QStringLiteral("Window/geometry")).toString(), QStringLiteral("AdnQywADAAA="));
        QCOMPARE(map.value(QStringLiteral("Window/tab")).toString(), QStringLiteral("3"));
        QCOMPARE(map.value(QStringLiteral("Team")).toString(), QStringLiteral("4"));
    }

    // A value the file cannot hold as a line of text fails the save, and
    // the file stays as it was.
    void whatCannotBeWrittenIsNotWritten_data()
    {
        QTest::addColumn<QVariant>("value");
        QTest::newRow("a line break") << QVariant(QStringLiteral("two\nlines"));
        QTest::newRow("a carriage return") << QVariant(QStringLiteral("two\rlines"));
        QTest::newRow("a NUL") << QVariant(QStringLiteral("a") + QChar(0) + QStringLiteral("b"));
        QTest::newRow("bytes") << QVariant(QByteArray("\x01\x02"));
        QTest::newRow("a list") << QVariant(QStringList{"a", "b"});
    }
    void whatCannotBeWrittenIsNotWritten()
    {
        QFETCH(QVariant, value);
        const QString path = newPath();
        {
            QSettings store(path, settingsFileFormat());
            store.setValue(QStringLiteral("Team"), 4);
        }
        const QByteArray before = fileContent(path);
        QSettings store(path, settingsFileFormat());
        store.setValue(QStringLiteral("Install"), value);
        store.sync();
        QCOMPARE(store.status(), QSettings::AccessError);
        QCOMPARE(fileContent(path), before);
    }

    void anOversizedFileIsNotRead()
    {
        const QByteArray big = "[General]\nTeam=3\nX=" + QByteArray(2 * 1024 * 1024, 'x') + "\n";
        QBuffer buffer;
        buffer.setData(big);
        buffer.open(QIODevice::ReadOnly);
        QSettings::SettingsMap map;
        QVERIFY(!readSettingsFile(buffer, map));
        QVERIFY(map.isEmpty());
    }
};

QTEST_GUILESS_MAIN(SettingsFileTest)
#include "tst_settings_file.moc"
