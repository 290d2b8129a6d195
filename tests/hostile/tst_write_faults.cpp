// Writes that fail under the programs: a file-size limit set on this process
// (which makes the system refuse a write past it, as a full disk does, on
// any machine), and a real full disk where the machine lets the test mount a
// small one. Each write must fail, say so, and leave the old file byte for
// byte.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <optional>

#include "data_files.h"
#include "file_content.h"
#include "file_size_limit.h"
#include "process_runner.h"
#include "season_file.h"
#include "test_http_server.h"
#include "file_write.h"
#include "settings_choice.h"
#include "settings_file.h"
#include "settings_store.h"

using namespace hoopdeck;

namespace {

// A small filesystem of its own, mounted over a temporary folder when the
// machine allows it (root, and mounts permitted).
class SmallDisk {
public:
    explicit SmallDisk(const QString &sizeText)
    {
        if (!dir_.isValid())
            return;
        const QStringList options{QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                                  QStringLiteral("size=") + sizeText};
        mounted_ = runProcess(QStringLiteral("mount"), options + QStringList{QStringLiteral("tmpfs"), dir_.path()})
                       .exitCode
                   == 0;
    }
    ~SmallDisk()
    {
        if (mounted_)
            runProcess(QStringLiteral("umount"), {dir_.path()});
    }
    bool mounted() const { return mounted_; }
    QString path(const QString &name = QString()) const { return name.isEmpty() ? dir_.path() : dir_.filePath(name); }

    // Takes every free byte, so that the next write of any size fails, then
    // gives back a page when asked: room for one small file (a lock file),
    // not for two.
    void fill(bool leaveAPage = false) const
    {
        QFile filler(dir_.filePath(QStringLiteral("filler")));
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return;
        const QByteArray block(4096, 'f');
        while (filler.write(block) > 0) {
        }
        const QByteArray byte(1, 'f');
        while (filler.write(byte) > 0) {
        }
        if (leaveAPage)
            filler.resize(std::max<qint64>(filler.size() - 4096 - filler.size() % 4096, 0));
    }

private:
    QTemporaryDir dir_;
    bool mounted_ = false;
};

} // namespace

static SettingsChoice chosen(int team, int zone, const QString &server)
{
    SettingsChoice choice;
    choice.set(SettingId::Team, team);
    choice.set(SettingId::Index, zone);
    choice.set(SettingId::Server, server);
    return choice;
}

class WriteFaultsTest : public QObject {
    Q_OBJECT

    static ProcessRun cli(const QStringList &arguments, const QString &configHome)
    {
        ProcessSetup setup;
        setup.environment.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome);
        setup.timeoutMs = 30000;
        return runProcess(builtProgram("hoopdeck-cli"), arguments, setup);
    }

private slots:
    void aRefusedWriteKeepsTheOldFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Roster.dat"));
        const QByteArray old = seasonFile("Roster.dat");
        writeFileAt(path, old);
        const QByteArray fresh = old + old;  // larger than the limit below
        FileWriteResult result;
        {
            FileSizeLimit limit(old.size());
            result = writeFileWhole(path, fresh);
        }
        QVERIFY(!result.ok);
        QCOMPARE(result.errorCode, EFBIG);
        QVERIFY(result.reason.contains(QLatin1String("Roster.dat")));
        QCOMPARE(fileContent(path), old);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("Roster.dat")});

        QVERIFY(writeFileWhole(path, fresh).ok);
        QCOMPARE(fileContent(path), fresh);
    }

    void aFolderIsNoFileToWrite()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Standings.dat"));
        QVERIFY(QDir().mkpath(path));
        const FileWriteResult result = writeFileWhole(path, "x");
        QVERIFY(!result.ok);
        QCOMPARE(result.errorCode, EISDIR);
        QVERIFY2(result.reason.contains(QLatin1String("is a folder")), qPrintable(result.reason));
        QVERIFY(QFileInfo(path).isDir());
    }

    void aRefusedSettingsSaveKeepsTheOldFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Hoopdeck.conf"));
        SettingsFile store(path);
        QVERIFY(store.save({{QStringLiteral("Install"), dir.filePath(QStringLiteral("a/folder/long/enough/to/matter"))}}));
        Settings settings;
        QVERIFY(saveChoice(store, settings, chosen(3, 4, QStringLiteral("127.0.0.1:8080"))));
        const QByteArray old = fileContent(path);
        QVERIFY(old.size() > 150);
        {
            // Room for the store's lock file, not for the settings.
            FileSizeLimit limit(100);
            const SettingsSaveResult saved = saveChoice(store, settings, chosen(5, 7, QStringLiteral("127.0.0.1:9090")));
            QVERIFY(!saved);
            QVERIFY2(saved.reason.contains(QLatin1String("Hoopdeck.conf was left as it was")), qPrintable(saved.reason));
        }
        QCOMPARE(settings.favoriteTeam, 5);  // the choice holds for the rest of the run
        QCOMPARE(fileContent(path), old);
    }

    void fullDiskFailsTheDownloadAndKeepsTheFile()
    {
        SmallDisk disk(QStringLiteral("128k"));
        if (!disk.mounted())
            QSKIP("this machine does not let the test mount a small filesystem (needs root)");
        QTemporaryDir home;
        const QString config = home.filePath(QStringLiteral("config"));
        for (const char *name : {"Standings.dat", "Roster.dat", "Season.dat"})
            writeFileAt(disk.path(QString::fromLatin1(name)), seasonFile(name));
        disk.fill();
        TestHttpServer server;
        server.reply = TestHttpServer::ok(seasonFile("Standings.dat"));
        const QStringList install = {QStringLiteral("--install-dir"), disk.path()};

        ProcessRun run = cli(install + QStringList{"download", "standings", "--server", server.address()}, config);
        QCOMPARE(run.exitCode, 3);
        QCOMPARE(run.out, QByteArray());
        QVERIFY2(run.err.startsWith("File Error " + QByteArray::number(ENOSPC) + "\n"), run.err.constData());
        QCOMPARE(fileContent(disk.path(QStringLiteral("Standings.dat"))), seasonFile("Standings.dat"));

        server.reply = TestHttpServer::ok(seasonFile("Roster.dat") + seasonFile("Roster.dat"));
        run = cli(install + QStringList{"download", "rosters", "--server", server.address()}, config);
        QCOMPARE(run.exitCode, 3);
        QCOMPARE(fileContent(disk.path(QStringLiteral("Roster.dat"))), seasonFile("Roster.dat"));
    }

    void fullDiskFailsTheSettingsSaveAndKeepsTheFile()
    {
        SmallDisk disk(QStringLiteral("64k"));
        if (!disk.mounted())
            QSKIP("this machine does not let the test mount a small filesystem (needs root)");
        const QString config = disk.path();
        ProcessRun run = cli({QStringLiteral("install")}, config);
        QCOMPARE(run.exitCode, 0);
        const QString settingsFile = disk.path(QStringLiteral("Morvane/Hoopdeck.conf"));
        const QByteArray old = fileContent(settingsFile);
        QVERIFY(old.contains("Install="));
        disk.fill(true);

        run = cli({QStringLiteral("settings"), QStringLiteral("--team"), QStringLiteral("1"), QStringLiteral("--zone"),
                   QStringLiteral("4")},
                  config);
        QCOMPARE(run.exitCode, 5);
        QVERIFY2(run.err.startsWith("Cannot save the settings in "), run.err.constData());
        QCOMPARE(fileContent(settingsFile), old);
        // The next start still finds the season.
        QCOMPARE(cli({QStringLiteral("--tsv"), QStringLiteral("settings")}, config).exitCode, 0);
    }
};

QTEST_GUILESS_MAIN(WriteFaultsTest)
#include "tst_write_faults.moc"
