// The settings file: plain key=value text that keeps every value as it was
// given, reads the files earlier releases wrote through Qt's INI format the
// way they meant, never writes what it could not read back, and changes
// only the lines of the keys a save changes.

#include <QLockFile>
#include <QSettings>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

#include <type_traits>

#include "file_content.h"
#include "settings_file.h"
#include "settings_format.h"
#include "settings_store.h"
#include "table_text.h"

using namespace hoopdeck;

namespace {
const QByteArray kOurs = "; Hoopdeck settings: plain key=value text\n[General]\n";

// "key=value" for each of keys the store holds, in the order given.
QStringList valuesOf(const SettingsStore &store, const QStringList &keys)
{
    QStringList values;
    for (const QString &key : keys) {
        if (store.contains(key))
            values.append(key + QLatin1Char('=') + store.value(key));
    }
    return values;
}

QByteArray utf16(const QString &text, QStringConverter::Encoding encoding)
{
    QStringEncoder encoder(encoding, QStringConverter::Flag::WriteBom);
    return encoder(text);
}
} // namespace

class SettingsFileTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    int files = 0;

    QString newPath() { return dir.filePath(QStringLiteral("Hoopdeck%1.conf").arg(++files)); }
    // A folder of its own, for a file whose warning is to be seen.
    QString newFolder()
    {
        const QString folder = dir.filePath(QStringLiteral("folder%1").arg(++files));
        QDir().mkpath(folder);
        return folder;
    }
    static SettingsValues parse(const QByteArray &bytes) { return SettingsText(bytes).values(); }

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
            SettingsFile store(path);
            QVERIFY(store.save({{QStringLiteral("OffSet"), value}}));
        }
        QVERIFY2(fileContent(path).contains("\nOffSet=" + value.toUtf8() + "\n"), fileContent(path).constData());
        SettingsFile reread(path);
        static_assert(std::is_same_v<decltype(reread.value(QString())), QString>);  // always text
        QCOMPARE(reread.value(QStringLiteral("OffSet")), value);
    }

    void handEditedValuesReadByTheProgramsRule_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QList<int>>("values");  // OffSet, Team, Index
        const QByteArray ours = kOurs;
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
        QTest::newRow("CR line ends") << QByteArray(ours).replace('\n', '\r') + "OffSet=2\rTeam=3\rIndex=6\r" << QList<int>{2, 3, 6};
    }
    void handEditedValuesReadByTheProgramsRule()
    {
        QFETCH(QByteArray, file);
        QFETCH(QList<int>, values);
        const QString path = newPath();
        writeDataFile(dir.path(), QFileInfo(path).fileName(), file);
        SettingsFile store(path);
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
        SettingsFile store(path);
        for (int i = 0; i < texts.size(); ++i)
            QCOMPARE(store.value(QStringLiteral("Text%1").arg(i)), texts.at(i));
        Settings settings;
        LoadSettings(store, settings);
        QCOMPARE(settings.zoneOffsetHours, -3);
        QCOMPARE(settings.favoriteTeam, 1);
        QCOMPARE(store.value(QStringLiteral("Window/state")), QStringLiteral("AAAA+/=="));

        // Saved once, the file is in the plain form and still reads the same.
        QVERIFY(SaveSettings(store, settings));
        QVERIFY(fileContent(path).startsWith("; Hoopdeck settings"));
        QVERIFY(fileContent(path).contains("\nText0=/home/a,b/Hoopdeck data\n"));
        SettingsFile again(path);
        for (int i = 0; i < texts.size(); ++i)
            QCOMPARE(again.value(QStringLiteral("Text%1").arg(i)), texts.at(i));
    }

    void groupsBecomeSections()
    {
        const QString path = newPath();
        {
            SettingsFile store(path);
            QVERIFY(store.save({{QStringLiteral("Window/geometry"), QStringLiteral("AdnQywADAAA=")},
                                {QStringLiteral("Window/tab"), 3},
                                {QStringLiteral("Aaa/first"), QStringLiteral("x")},
                                {QStringLiteral("Team"), 4},
                                {QStringLiteral("Results"), true}}));
        }
        QCOMPARE(fileContent(path), QByteArray("; Hoopdeck settings: plain key=value text\n[General]\nResults=true\nTeam=4\n"
                                             "\n[Aaa]\nfirst=x\n\n[Window]\ngeometry=AdnQywADAAA=\ntab=3\n"));
        const SettingsValues map = parse(fileContent(path));
        QCOMPARE(map.value(QStringLiteral("Window/geometry")), QStringLiteral("AdnQywADAAA="));
        QCOMPARE(map.value(QStringLiteral("Window/tab")), QStringLiteral("3"));
        QCOMPARE(map.value(QStringLiteral("Team")), QStringLiteral("4"));
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
            SettingsFile store(path);
            QVERIFY(store.save({{QStringLiteral("Team"), 4}}));
        }
        const QByteArray before = fileContent(path);
        SettingsFile store(path);
        const SettingsSaveResult saved = store.save({{QStringLiteral("Install"), value}});
        QVERIFY(!saved);
        QVERIFY2(saved.reason.contains(QLatin1String("Install")), qPrintable(saved.reason));
        QCOMPARE(fileContent(path), before);
    }

    // Too big to read is not read, and not replaced either.
    void anOversizedFileIsNotRead()
    {
        const QString path = newFolder() + QStringLiteral("/Hoopdeck.conf");
        const QByteArray big = "[General]\nTeam=3\nX=" + QByteArray(kMaxSettingsFileBytes, 'x') + "\n";
        writeFileAt(path, big);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QRegularExpression::escape(path) + ".*larger than"));
        SettingsFile store(path);
        QVERIFY(store.values().isEmpty());
        QVERIFY(!store.readProblem().isEmpty());
        const SettingsSaveResult saved = store.save({{QStringLiteral("Index"), 4}});
        QVERIFY(!saved);
        QVERIFY2(saved.reason.contains(path), qPrintable(saved.reason));
        QCOMPARE(QFileInfo(path).size(), big.size());
    }

    // Files as they are met on users' machines: what they read as, whether a
    // save of one change goes through, and the bytes after it.
    void oddFiles_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("read");    // key=value of Install, Team, Server
        QTest::addColumn<QString>("refusal");     // empty: the save goes through
        QTest::addColumn<QByteArray>("after");    // the file after the save of OffSet=-3

        const QByteArray ours = kOurs;
        const QByteArray longLine = "Junk=" + QByteArray(10 * 1024 * 1024, 'x') + "\n";
        const QByteArray withLong = ours + "Install=/data\n" + longLine + "Team=5\nServer=h:1\n";
        QTest::newRow("a 10 MB line") << withLong << QStringList{"Install=/data", "Team=5", "Server=h:1"} << QString()
                                      << withLong + "OffSet=-3\n";
        const QByteArray noHeader = "[General]\nInstall=/data\nJunk" + QByteArray(10 * 1024 * 1024, 'y') + "\nTeam=5\n";
        QTest::newRow("a 10 MB line in an earlier release's file")
            << noHeader << QStringList{"Install=/data", "Team=5"} << QString()
            << ours + "Install=/data\nOffSet=-3\nTeam=5\n";
        const QByteArray cr = "; Hoopdeck settings: plain key=value text\r[General]\rInstall=/data\rTeam=5\rServer=h:1\r";
        QTest::newRow("CR line ends") << cr << QStringList{"Install=/data", "Team=5", "Server=h:1"} << QString()
                                      << cr + "OffSet=-3\r";
        const QByteArray crlf = "; Hoopdeck settings: plain key=value text\r\n[General]\r\nTeam=5\r\n";
        QTest::newRow("CRLF line ends") << crlf << QStringList{"Team=5"} << QString() << crlf + "OffSet=-3\r\n";
        QTest::newRow("no line end at the end") << ours + "Team=5" << QStringList{"Team=5"} << QString()
                                                << ours + "Team=5\nOffSet=-3\n";
        const QByteArray latin1 = ours + "Server=caf\xe9:80\nTeam=2\n";
        QTest::newRow("a Latin-1 byte") << latin1 << QStringList{"Team=2", QStringLiteral("Server=caf\u00e9:80")}
                                        << QString() << latin1 + "OffSet=-3\n";
        QTest::newRow("a changed key keeps its place")
            << ours + "Team=5\nOffSet=2\n# mine\nServer=s\n" << QStringList{"Team=5", "Server=s"} << QString()
            << ours + "Team=5\nOffSet=-3\n# mine\nServer=s\n";
        QTest::newRow("General after a group")
            << ours + "Team=5\n\n[Window]\nTab=2\n" << QStringList{"Team=5"} << QString()
            << ours + "Team=5\nOffSet=-3\n\n[Window]\nTab=2\n";
        const QByteArray nul = ours + "Team=5\nX=a" + QByteArray(1, '\0') + "b\n";
        QTest::newRow("a NUL byte") << nul << QStringList{"Team=5"}
                                    << QStringLiteral("the settings file holds a NUL byte at offset %1").arg(nul.indexOf('\0'))
                                    << nul;
        const QString text = QStringLiteral("; Hoopdeck settings: plain key=value text\n[General]\nTeam=5\nServer=Montr\u00e9al\n");
        for (const auto &[name, encoding] : {std::pair{"UTF-16LE", QStringConverter::Utf16LE},
                                             std::pair{"UTF-16BE", QStringConverter::Utf16BE}}) {
            QTest::newRow(name) << utf16(text, encoding) << QStringList{"Team=5", QStringLiteral("Server=Montr\u00e9al")}
                                << QString() << text.toUtf8() + "OffSet=-3\n";
        }
        const QByteArray cut = utf16(text, QStringConverter::Utf16LE).chopped(1);
        QTest::newRow("UTF-16 cut in the middle of a character")
            << cut << QStringList{"Team=5", QStringLiteral("Server=Montr\u00e9al")}
            << QStringLiteral("UTF-16 text that does not decode") << cut;
        QTest::newRow("empty") << QByteArray() << QStringList() << QString() << ours + "OffSet=-3\n";
    }
    void oddFiles()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, read);
        QFETCH(QString, refusal);
        QFETCH(QByteArray, after);
        const QString path = writeFileAt(newPath(), file);
        SettingsFile store(path);
        QCOMPARE(valuesOf(store, {"Install", "Team", "Server"}), read);
        const SettingsSaveResult saved = store.save({{QStringLiteral("OffSet"), QStringLiteral("-3")}});
        QCOMPARE(saved.ok, refusal.isEmpty());
        QVERIFY2(saved.reason.contains(refusal), qPrintable(saved.reason));
        const QByteArray now = fileContent(path);
        QCOMPARE(now.size(), after.size());
        QVERIFY(now == after);  // byte for byte
        if (saved)
            QCOMPARE(valuesOf(SettingsFile(path), {"Install", "Team", "Server"}), read);
        // Neither the new file nor the lock is left behind.
        QCOMPARE(QDir(QFileInfo(path).path()).entryList({QFileInfo(path).fileName() + "*"}, QDir::Files | QDir::Hidden),
                 QStringList{QFileInfo(path).fileName()});
    }

    // What is not a regular file is neither read nor replaced.
    void notARegularFile_data()
    {
        QTest::addColumn<QString>("what");
        QTest::newRow("a FIFO") << "fifo";
        QTest::newRow("a link to a FIFO") << "link to fifo";
        QTest::newRow("a folder") << "folder";
        QTest::newRow("a link to a folder") << "link to folder";
    }
    void notARegularFile()
    {
        QFETCH(QString, what);
        const QString folder = newFolder();
        const QString path = folder + QStringLiteral("/Hoopdeck.conf");
        const QString node = what.startsWith(QLatin1String("link")) ? folder + QStringLiteral("/elsewhere") : path;
        if (what.endsWith(QLatin1String("fifo")))
            QCOMPARE(::mkfifo(QFile::encodeName(node).constData(), 0600), 0);
        else
            QVERIFY(QDir().mkpath(node));
        if (node != path)
            QVERIFY(QFile::link(node, path));

        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QRegularExpression::escape(path)));
        SettingsFile store(path);
        QVERIFY(store.values().isEmpty());
        Settings settings;
        QVERIFY(!LoadSettings(store, settings));
        QCOMPARE((QList<int>{settings.zoneOffsetHours, settings.favoriteTeam, settings.zoneIndex}), (QList<int>{0, 0, 11}));
        const SettingsSaveResult saved = store.save({{QStringLiteral("Team"), 3}});
        QVERIFY(!saved);
        QVERIFY2(saved.reason.contains(path), qPrintable(saved.reason));
        // A second store of the same file says nothing more.
        SettingsFile again(path);
        QVERIFY(again.values().isEmpty());

        struct stat st;
        QCOMPARE(::stat(QFile::encodeName(node).constData(), &st), 0);
        QVERIFY(what.endsWith(QLatin1String("fifo")) ? S_ISFIFO(st.st_mode) : S_ISDIR(st.st_mode));
        QCOMPARE(QFileInfo(path).isSymLink(), node != path);
        QCOMPARE(QDir(folder).entryList({"Hoopdeck.conf.*"}, QDir::Files | QDir::Hidden), QStringList());
    }

    // A lock left behind by a writer that died is taken over; a live
    // holder is waited for, then named.
    void leftLocks_data()
    {
        QTest::addColumn<QByteArray>("lock");
        QTest::addColumn<int>("ageSeconds");
        QTest::newRow("empty, just made") << QByteArray() << 0;
        QTest::newRow("empty, old") << QByteArray() << 60;
        QTest::newRow("garbled") << QByteArray("not a lock") << 60;
        // A process that has ended: the first one started after this test, gone again.
        QTest::newRow("a holder that is gone") << QByteArray("gone") << 0;
    }
    void leftLocks()
    {
        QFETCH(QByteArray, lock);
        QFETCH(int, ageSeconds);
        const QString path = newPath();
        writeFileAt(path, kOurs + "Team=5\n");
        if (lock == "gone") {
            QProcess ended;
            ended.start(QStringLiteral("true"));
            QVERIFY(ended.waitForFinished());
            lock = QByteArray::number(ended.processId()) + "\nhoopdeck-cli\n" + QSysInfo::machineHostName().toUtf8() + "\n";
        }
        const QString lockPath = writeFileAt(path + ".lock", lock);
        QFile lockFile(lockPath);
        QVERIFY(lockFile.open(QIODevice::ReadWrite));
        QVERIFY(lockFile.setFileTime(QDateTime::currentDateTime().addSecs(-ageSeconds), QFileDevice::FileModificationTime));
        lockFile.close();

        SettingsFile store(path);
        const SettingsSaveResult saved = store.save({{QStringLiteral("Index"), 4}});
        QVERIFY2(saved, qPrintable(saved.reason));
        QCOMPARE(SettingsFile(path).value(QStringLiteral("Index")), QStringLiteral("4"));
        QCOMPARE(SettingsFile(path).value(QStringLiteral("Team")), QStringLiteral("5"));
        QVERIFY(!QFileInfo::exists(lockPath));
    }

    void aLiveHolderIsNamed()
    {
        const QString path = newPath();
        const QByteArray before = kOurs + "Team=5\n";
        writeFileAt(path, before);
        QLockFile holder(path + ".lock");
        QVERIFY(holder.tryLock(0));
        SettingsFile store(path);
        const SettingsSaveResult saved = store.save({{QStringLiteral("Index"), 4}});
        QVERIFY(!saved);
        QCOMPARE(saved.reason, QStringLiteral("settings are locked by process %1").arg(QCoreApplication::applicationPid()));
        QCOMPARE(fileContent(path), before);
        holder.unlock();
        QVERIFY(store.save({{QStringLiteral("Index"), 4}}));
    }

    // A save reads the file as it is now: what another program saved since
    // this store was opened stays.
    void aSaveKeepsWhatOthersSaved()
    {
        const QString path = newPath();
        SettingsFile first(path), second(path);
        QVERIFY(first.save({{QStringLiteral("Team"), 3}}));
        QVERIFY(second.save({{QStringLiteral("Server"), QStringLiteral("h:1")}}, {{QStringLiteral("Team"), 0}}));
        QCOMPARE(valuesOf(SettingsFile(path), {"Team", "Server"}), (QStringList{"Team=3", "Server=h:1"}));
        QCOMPARE(valuesOf(second, {"Team", "Server"}), (QStringList{"Team=3", "Server=h:1"}));
        QVERIFY(second.save({{QStringLiteral("Server"), QVariant()}}));
        QCOMPARE(valuesOf(SettingsFile(path), {"Team", "Server"}), QStringList{"Team=3"});
    }

    void aLinkToAFileIsFollowed()
    {
        const QString folder = newFolder();
        const QString target = writeFileAt(folder + QStringLiteral("/real.conf"), kOurs + "Team=5\n");
        const QString path = folder + QStringLiteral("/Hoopdeck.conf");
        QVERIFY(QFile::link(target, path));
        SettingsFile store(path);
        QCOMPARE(store.value(QStringLiteral("Team")), QStringLiteral("5"));
        QVERIFY(store.save({{QStringLiteral("Index"), 4}}));
        QVERIFY(QFileInfo(path).isSymLink());
        QCOMPARE(fileContent(target), kOurs + "Team=5\nIndex=4\n");
    }
};

QTEST_GUILESS_MAIN(SettingsFileTest)
#include "tst_settings_file.moc"
