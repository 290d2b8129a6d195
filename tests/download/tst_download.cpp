#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QProcess>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QSslCertificate>
#include <QSslKey>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <cstring>
#include <malloc.h>
#include <sys/stat.h>
#include <unistd.h>

#include "data_files.h"
#include "downloader.h"
#include "file_content.h"
#include "process_runner.h"
#include "season_file.h"
#include "test_http_server.h"

using namespace hoopdeck;

namespace {
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kFreedMemoryHeldBack = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kFreedMemoryHeldBack = true;
#else
constexpr bool kFreedMemoryHeldBack = false;
#endif
#else
constexpr bool kFreedMemoryHeldBack = false;
#endif
} // namespace

class DownloadTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString localPath;
    const QByteArray oldContent = "the user's old file\n";

    DownloadResult download(DownloadKind kind, const QString &server, int timeoutMs = 5000,
                            int deadlineMs = DownloadLimits().deadlineMs)
    {
        return downloadTo(localPath, kind, server, timeoutMs, deadlineMs);
    }
    static DownloadResult downloadTo(const QString &path, DownloadKind kind, const QString &server, int timeoutMs = 5000,
                                     int deadlineMs = DownloadLimits().deadlineMs)
    {
        Downloader downloader(DownloadLimits{timeoutMs, deadlineMs});
        QSignalSpy finished(&downloader, &Downloader::finished);
        downloader.start(kind, server, path);
        if (!finished.wait(20000))
            return {};
        return finished.first().first().value<DownloadResult>();
    }

    static void releaseFreedMemory()
    {
#ifdef __GLIBC__
        malloc_trim(0);
#endif
    }

    static qint64 residentBytes()
    {
        QFile status(QStringLiteral("/proc/self/statm"));
        if (!status.open(QIODevice::ReadOnly))
            return 0;
        return status.readAll().split(' ').value(1).toLongLong() * sysconf(_SC_PAGESIZE);
    }

    // A key and a self-signed certificate for 127.0.0.1, made by the openssl
    // program; false when there is none.
    static bool makeCertificate(const QString &dir, QSslCertificate &certificate, QSslKey &key)
    {
        const QString openssl = QStandardPaths::findExecutable(QStringLiteral("openssl"));
        if (openssl.isEmpty())
            return false;
        QProcess process;
        process.start(openssl, {QStringLiteral("req"), QStringLiteral("-x509"), QStringLiteral("-newkey"),
                                QStringLiteral("ec"), QStringLiteral("-pkeyopt"),
                                QStringLiteral("ec_paramgen_curve:prime256v1"), QStringLiteral("-nodes"),
                                QStringLiteral("-keyout"), dir + QStringLiteral("/key.pem"), QStringLiteral("-out"),
                                dir + QStringLiteral("/cert.pem"), QStringLiteral("-days"), QStringLiteral("2"),
                                QStringLiteral("-subj"), QStringLiteral("/CN=127.0.0.1"), QStringLiteral("-addext"),
                                QStringLiteral("subjectAltName=IP:127.0.0.1")});
        if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
            return false;
        certificate = QSslCertificate(fileContent(dir + QStringLiteral("/cert.pem")), QSsl::Pem);
        key = QSslKey(fileContent(dir + QStringLiteral("/key.pem")), QSsl::Ec, QSsl::Pem);
        return !certificate.isNull() && !key.isNull();
    }

    // The server side of TLS with a certificate of the test's own making.
    static QSslConfiguration serverTls(const QSslCertificate &certificate, const QSslKey &key)
    {
        QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
        tls.setLocalCertificate(certificate);
        tls.setPrivateKey(key);
        return tls;
    }

    // After a failure the old file is untouched and nothing else is left beside it.
    void verifyOldFileKept()
    {
        QCOMPARE(fileContent(localPath), oldContent);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("Roster.dat")});
    }

private slots:
    void init() { localPath = writeFileAt(dir.filePath(QStringLiteral("Roster.dat")), oldContent); }

    void sendsTheRequestAndReplacesTheFile()
    {
        TestHttpServer server;
        const QByteArray roster = seasonFile("Roster.dat");
        server.reply = TestHttpServer::ok(roster);
        const DownloadResult result = download(DownloadKind::Rosters, server.address());
        QCOMPARE(result.outcome, DownloadResult::Succeeded);
        QCOMPARE(result.bytes, roster.size());
        QCOMPARE(fileContent(localPath), roster);
        QCOMPARE(server.requests.size(), 1);
        const QByteArray request = server.requests.first();
        QVERIFY(request.startsWith("GET /sports/basketball/2004/Roster.dat HTTP/1.1\r\n"));
        QVERIFY(request.contains("User-Agent: Hoopdeck\r\n"));
        // A fresh copy, never a cached or compressed one.
        QVERIFY2(request.contains("\r\nCache-Control: no-cache\r\n"), request.constData());
        QVERIFY2(request.contains("\r\nHost: " + server.address().toLatin1() + "\r\n"), request.constData());
        QVERIFY2(!request.contains("gzip"), request.constData());

        // A second download in a row works the same way.
        server.reply = TestHttpServer::ok(roster + "0,99,N. Player,G,6-0,180\n");
        QCOMPARE(download(DownloadKind::Rosters, server.address()).outcome, DownloadResult::Succeeded);
        QVERIFY(fileContent(localPath).endsWith("N. Player,G,6-0,180\n"));
    }

    // The other two ways a server may end a body: in chunks, or by closing.
    void chunkedAndClosedBodiesArriveWhole()
    {
        const QByteArray roster = seasonFile("Roster.dat");
        TestHttpServer server;
        QByteArray chunked = "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n";
        for (qsizetype at = 0; at < roster.size(); at += 1000) {
            const QByteArray part = roster.mid(at, 1000);
            chunked += QByteArray::number(part.size(), 16) + "\r\n" + part + "\r\n";
        }
        server.reply = chunked + "0\r\n\r\n";
        QCOMPARE(download(DownloadKind::Rosters, server.address()).outcome, DownloadResult::Succeeded);
        QCOMPARE(fileContent(localPath), roster);

        server.mode = TestHttpServer::Mode::CutOff;
        server.reply = "HTTP/1.0 200 OK\r\nContent-Type: text/plain\r\n\r\n" + roster + "0,99,N. Player,G,6-0,180\n";
        QCOMPARE(download(DownloadKind::Rosters, server.address()).outcome, DownloadResult::Succeeded);
        QCOMPARE(fileContent(localPath), roster + "0,99,N. Player,G,6-0,180\n");
    }

    void standingsNeedAHeadingAndTwentyNineTeams()
    {
        TestHttpServer server;
        localPath = dir.filePath(QStringLiteral("Standings.dat"));
        const QByteArray standings = seasonFile("Standings.dat");
        server.reply = TestHttpServer::ok(standings);
        QCOMPARE(download(DownloadKind::Standings, server.address()).outcome, DownloadResult::Succeeded);
        QCOMPARE(fileContent(localPath), standings);
        QVERIFY(server.requests.first().startsWith("GET /sports/basketball/2004/Standings.dat "));

        QList<QByteArray> lines = standings.split('\n');
        server.reply = TestHttpServer::ok(lines.mid(0, 20).join('\n'));
        const DownloadResult cut = download(DownloadKind::Standings, server.address());
        QCOMPARE(cut.errorText, QStringLiteral("Read Error 12152\nThe server response could not be parsed."));
        QCOMPARE(fileContent(localPath), standings);
        QFile::remove(localPath);
    }

    void failuresKeepTheOldFile_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QString>("expected");
        using M = TestHttpServer::Mode;
        QTest::newRow("404") << int(M::Reply) << TestHttpServer::status(404) << "Read Error 404\nError";
        QTest::newRow("500") << int(M::Reply) << TestHttpServer::status(500) << "Read Error 500\nError";
        QTest::newRow("empty body") << int(M::Reply) << TestHttpServer::ok("")
                                    << "Read Error 12152\nThe server response could not be parsed.";
        QTest::newRow("an error page sent as 200")
            << int(M::Reply) << TestHttpServer::ok("<html><body>Not here</body></html>\n")
            << "Read Error 12152\nThe server response could not be parsed.";
        QTest::newRow("body cut in the middle")
            << int(M::CutOff)
            << QByteArray("HTTP/1.1 200 OK\r\nContent-Length: 5000\r\n\r\n0,1,S. Jackson,F,6-8,218\n")
            << "Read Error 12030\nThe connection with the server has been terminated.";
        QTest::newRow("closed before any reply") << int(M::CutOff) << QByteArray()
            << "Send Request Error 12030\nThe connection with the server has been terminated.";
        QTest::newRow("no answer") << int(M::NeverAnswer) << QByteArray()
                                   << "Send Request Error 12002\nThe request has timed out.";
        QTest::newRow("body stalls")
            << int(M::Stall) << QByteArray("HTTP/1.1 200 OK\r\nContent-Length: 5000\r\n\r\n0,1,S. Jackson")
            << "Read Error 12002\nThe request has timed out.";
        QTest::newRow("announced body over the limit")
            << int(M::Stall) << QByteArray("HTTP/1.1 200 OK\r\nContent-Length: 9000000\r\n\r\n0,1,A")
            << "Read Error 12152\nThe server response could not be parsed.";
        QByteArray huge = "HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\n\r\n";
        huge += QByteArray(9 * 1024 * 1024, '7');
        QTest::newRow("streamed body over the limit")
            << int(M::CutOff) << huge << "Read Error 12152\nThe server response could not be parsed.";
    }

    void failuresKeepTheOldFile()
    {
        QFETCH(int, mode);
        QFETCH(QByteArray, reply);
        QFETCH(QString, expected);
        TestHttpServer server;
        server.mode = TestHttpServer::Mode(mode);
        server.reply = reply;
        const DownloadResult result = download(DownloadKind::Rosters, server.address(), 600);
        QCOMPARE(result.outcome, DownloadResult::Failed);
        QCOMPARE(result.errorText, expected);
        verifyOldFileKept();
    }

    // The announced length decides, not whether the part that came looks usable.
    void bodyShorterThanAnnouncedIsNeverSaved()
    {
        const QByteArray cut = "HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nContent-Length: 11061\r\n\r\n"
                               + seasonFile("Roster.dat").left(300);
        for (int run = 0; run < 20; ++run) {
            TestHttpServer server;
            server.mode = TestHttpServer::Mode::CutOff;
            server.reply = cut;
            const DownloadResult result = download(DownloadKind::Rosters, server.address());
            QCOMPARE(result.errorText, QStringLiteral("Read Error 12030\nThe connection with the server has been terminated."));
            verifyOldFileKept();
        }
    }

    // Every byte in time for the idle timeout, yet the whole download takes longer than allowed.
    void tricklingServerFailsAtTheDeadline_data()
    {
        QTest::addColumn<QByteArray>("head");
        QTest::addColumn<QByteArray>("trickled");
        QTest::addColumn<QString>("expected");
        const QByteArray body = "0,1,S. Jackson,F,6-8,218\n0,2,J. Terry,G,6-2,180\n";
        const QByteArray head = "HTTP/1.1 200 OK\r\nContent-Length: " + QByteArray::number(body.size()) + "\r\n\r\n";
        QTest::newRow("body") << head << body << "Read Error 12002\nThe request has timed out.";
        QTest::newRow("headers") << QByteArray() << head + body << "Send Request Error 12002\nThe request has timed out.";
    }

    void tricklingServerFailsAtTheDeadline()
    {
        QFETCH(QByteArray, head);
        QFETCH(QByteArray, trickled);
        QFETCH(QString, expected);
        TestHttpServer server;
        server.mode = TestHttpServer::Mode::Trickle;
        server.reply = head;
        server.trickled = trickled;
        const DownloadResult result = download(DownloadKind::Rosters, server.address(), 1000, 1500);
        QCOMPARE(result.errorText, expected);
        QVERIFY(server.bytesSent < trickled.size());
        verifyOldFileKept();
    }

    // The network library keeps header lines without a limit and tells of
    // none of them: the head has to be whole within the idle timeout.
    void endlessHeadersFailWithoutGrowing()
    {
        TestHttpServer server;
        server.mode = TestHttpServer::Mode::EndlessHeaders;
        // The server's own bounds lie far beyond the client's idle time, so
        // that it is the client that gives up, and not the server that closes.
        server.endlessMs = 20000;
        server.endlessBytes = 512 * 1024 * 1024;
        const qint64 before = residentBytes();
        const DownloadResult result = download(DownloadKind::Rosters, server.address(), 1500);
        QCOMPARE(result.errorText, QStringLiteral("Send Request Error 12002\nThe request has timed out."));
        QVERIFY2(server.bytesSent < server.endlessBytes, "the client read headers up to the server's bound");
        // What the reader held is given back once the reply is gone. The
        // allocator may keep freed pages of another thread's arena, so they
        // are handed back before counting. AddressSanitizer holds freed memory
        // back on purpose, so there the count says nothing.
        releaseFreedMemory();
        if (!kFreedMemoryHeldBack)
            QCOMPARE_LT(residentBytes() - before, 30 * 1024 * 1024);
        verifyOldFileKept();
    }

    void aFolderAsTheTargetIsSaidToBeOne()
    {
        TestHttpServer server;
        server.reply = TestHttpServer::ok(seasonFile("Roster.dat"));
        QTemporaryDir other;
        const QString folder = other.filePath(QStringLiteral("Roster.dat"));
        QVERIFY(QDir().mkdir(folder));
        const DownloadResult result = downloadTo(folder, DownloadKind::Rosters, server.address());
        QCOMPARE(result.outcome, DownloadResult::Failed);
        QCOMPARE(result.caption, QStringLiteral("File Error"));
        QCOMPARE(result.code, EISDIR);
        QCOMPARE(result.errorText, QStringLiteral("File Error %1\nError\n%2 is a folder, not a file.")
                                       .arg(EISDIR)
                                       .arg(QDir::toNativeSeparators(folder)));
        QVERIFY(QFileInfo(folder).isDir());
        QVERIFY(QDir(folder).isEmpty());
        QCOMPARE(QDir(other.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{QStringLiteral("Roster.dat")});
    }

    void serverProblems_data()
    {
        QTest::addColumn<QString>("server");
        QTest::addColumn<QString>("expected");
        QTest::newRow("not a host") << "no such host" << "Connect Error 12005\nThe URL is invalid.";
        QTest::newRow("empty") << "" << "Connect Error 12005\nThe URL is invalid.";
        QTest::newRow("a path") << "127.0.0.1/x" << "Connect Error 12005\nThe URL is invalid.";
        QTest::newRow("bad port") << "127.0.0.1:99999" << "Connect Error 12005\nThe URL is invalid.";
        QTest::newRow("name not resolved") << "nosuchhost.invalid"
                                           << "Send Request Error 12007\nThe server name could not be resolved.";
        quint16 closedPort = 0;
        {
            TestHttpServer closed;
            closedPort = closed.port();
        }
        QTest::newRow("connection refused") << QStringLiteral("127.0.0.1:%1").arg(closedPort)
                                            << "Send Request Error 12029\nThe attempt to connect to the server failed.";
    }

    void serverProblems()
    {
        QFETCH(QString, server);
        QFETCH(QString, expected);
        QCOMPARE(download(DownloadKind::Rosters, server).errorText, expected);
        verifyOldFileKept();
    }

    // Answers that pass or fail as HTTP by the network library's own reading;
    // a body that is whole as HTTP is then judged by its content.
    void faultyAnswersKeepTheOldFile_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QByteArray>("judged");  // the body the content check refuses; empty: none reaches it
        using M = TestHttpServer::Mode;
        const int standingsKind = int(DownloadKind::Standings), rosters = int(DownloadKind::Rosters);
        const QByteArray standings = seasonFile("Standings.dat");
        const QByteArray roster = seasonFile("Roster.dat");
        const QByteArray halfStandings = standings.left(standings.size() / 2);
        const QByteArray firstTenTeams = roster.left(roster.indexOf("\n10,") + 1);
        const QByteArray noLength = "HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\n\r\n";
        const QString parsed = QStringLiteral("Read Error 12152\nThe server response could not be parsed.");
        const QString cut = QStringLiteral("Read Error 12030\nThe connection with the server has been terminated.");

        QTest::newRow("no length, standings cut at the close")
            << standingsKind << int(M::CutOff) << noLength + halfStandings << parsed << halfStandings;
        QTest::newRow("no length, roster cut at the close")
            << rosters << int(M::CutOff) << noLength + firstTenTeams << parsed << firstTenTeams;
        QTest::newRow("body longer than announced")
            << standingsKind << int(M::Reply)
            << "HTTP/1.1 200 OK\r\nContent-Length: " + QByteArray::number(halfStandings.size()) + "\r\n\r\n" + standings
            << parsed << halfStandings;
        // Qt reads no further than the length: the roster's first 10 bytes are what is judged.
        QTest::newRow("roster longer than announced")
            << rosters << int(M::Reply) << QByteArray("HTTP/1.1 200 OK\r\nContent-Length: 10\r\n\r\n0,1,S. Jackson,F,6-8,218\n")
            << parsed << QByteArray("0,1,S. Jac");
        QTest::newRow("identity with a long length, cut at the close")
            << rosters << int(M::CutOff)
            << "HTTP/1.1 200 OK\r\nTransfer-Encoding: identity\r\nContent-Length: 99999\r\n\r\n" + roster << cut
            << QByteArray();
        for (int code : {206, 203, 299, 204, 201}) {
            QTest::addRow("%d with a good file", code) << rosters << int(M::Reply) << TestHttpServer::status(code, roster)
                                                       << QStringLiteral("Read Error %1\nError").arg(code) << QByteArray();
        }
        for (int code : {301, 302, 307}) {
            QTest::addRow("%d is not followed", code)
                << rosters << int(M::Reply)
                << "HTTP/1.1 " + QByteArray::number(code)
                       + " Moved\r\nLocation: /sports/basketball/2004/Roster.dat?moved\r\nContent-Length: 0\r\n\r\n"
                << QStringLiteral("Read Error %1\nError").arg(code) << QByteArray();
        }
    }

    void faultyAnswersKeepTheOldFile()
    {
        QFETCH(int, kind);
        QFETCH(int, mode);
        QFETCH(QByteArray, reply);
        QFETCH(QString, expected);
        QFETCH(QByteArray, judged);
        const QString refusal = judged.isEmpty() ? QString() : downloadRefusal(DownloadKind(kind), judged);
        QVERIFY2(judged.isEmpty() || !refusal.isEmpty(), "a cut file passes the content check");
        TestHttpServer server;
        server.mode = TestHttpServer::Mode(mode);
        server.reply = reply;
        const DownloadResult result = download(DownloadKind(kind), server.address());
        QCOMPARE(result.outcome, DownloadResult::Failed);
        QCOMPARE(result.errorText, expected);
        QCOMPARE(result.reason, refusal);
        QCOMPARE(result.message(), refusal.isEmpty() ? expected : expected + QLatin1Char('\n') + refusal);
        // Qt sends a GET once more when the server closes before the reply was
        // read; what counts is that no answer was taken from a later one.
        QVERIFY(!server.requests.isEmpty());
        verifyOldFileKept();
    }

    // Qt ends a chunked body cut by the close either with the cut or as a
    // whole body of what came, whichever its reading meets first; the cut
    // part is then refused by its content. Either way the old file stays.
    void cutChunksNeverReplaceTheFile_data()
    {
        QTest::addColumn<QByteArray>("reply");
        const QByteArray standings = seasonFile("Standings.dat");
        const QByteArray half = standings.left(standings.size() / 2);
        const QByteArray head = "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n";
        QTest::newRow("between two chunks") << head + QByteArray::number(half.size(), 16) + "\r\n" + half + "\r\n";
        QTest::newRow("in the middle of a chunk") << head + QByteArray::number(standings.size(), 16) + "\r\n" + half;
    }

    void cutChunksNeverReplaceTheFile()
    {
        QFETCH(QByteArray, reply);
        const QStringList either = {QStringLiteral("Read Error 12030\nThe connection with the server has been terminated."),
                                    QStringLiteral("Read Error 12152\nThe server response could not be parsed.")};
        for (int run = 0; run < 10; ++run) {
            TestHttpServer server;
            server.mode = TestHttpServer::Mode::CutOff;
            server.reply = reply;
            const DownloadResult result = download(DownloadKind::Standings, server.address());
            QCOMPARE(result.outcome, DownloadResult::Failed);
            QVERIFY2(either.contains(result.errorText), qPrintable(result.errorText));
            verifyOldFileKept();
        }
    }

    void httpsWithAnUntrustedCertificateIsRefused()
    {
        QTemporaryDir keys;
        QSslCertificate certificate;
        QSslKey key;
        if (!QSslSocket::supportsSsl() || !makeCertificate(keys.path(), certificate, key))
            QSKIP("no TLS backend, or no openssl program to make a certificate");
        TestHttpServer server(serverTls(certificate, key));
        server.reply = TestHttpServer::ok(seasonFile("Roster.dat"));
        QVERIFY(server.address().startsWith(QLatin1String("https://")));
        const DownloadResult result = download(DownloadKind::Rosters, server.address());
        QCOMPARE(result.outcome, DownloadResult::Failed);
        QCOMPARE(result.errorText, QStringLiteral("Send Request Error 12175\nError"));
        const QString selfSigned = QSslError(QSslError::SelfSignedCertificate, certificate).errorString();
        QVERIFY2(result.reason.contains(selfSigned), qPrintable(result.reason));
        QVERIFY(result.message().endsWith(result.reason));
        QVERIFY(server.requests.isEmpty());
        verifyOldFileKept();
    }

    // The same server, once its certificate is one the system trusts.
    void httpsWithATrustedCertificateBringsTheFile()
    {
        QTemporaryDir keys;
        QSslCertificate certificate;
        QSslKey key;
        if (!QSslSocket::supportsSsl() || !makeCertificate(keys.path(), certificate, key))
            QSKIP("no TLS backend, or no openssl program to make a certificate");
        const QSslConfiguration system = QSslConfiguration::defaultConfiguration();
        QSslConfiguration trusting = system;
        trusting.addCaCertificate(certificate);
        QSslConfiguration::setDefaultConfiguration(trusting);
        const auto restore = qScopeGuard([system] { QSslConfiguration::setDefaultConfiguration(system); });
        TestHttpServer server(serverTls(certificate, key));
        const QByteArray roster = seasonFile("Roster.dat");
        server.reply = TestHttpServer::ok(roster);
        const DownloadResult result = download(DownloadKind::Rosters, server.address());
        QCOMPARE(result.message(), QString());
        QCOMPARE(result.outcome, DownloadResult::Succeeded);
        QCOMPARE(fileContent(localPath), roster);
        QCOMPARE(server.requests.size(), 1);
        QVERIFY(server.requests.first().startsWith("GET /sports/basketball/2004/Roster.dat HTTP/1.1\r\n"));
    }

    // A device, named pipe or socket where the file goes is refused before
    // anything is fetched, and stays what it is.
    void targetsThatAreNoFileAreNeverReplaced_data()
    {
        QTest::addColumn<bool>("linked");
        QTest::addColumn<bool>("socket");
        QTest::addColumn<QString>("kind");
        QTest::newRow("a named pipe") << false << false << "a named pipe";
        QTest::newRow("a link to a named pipe") << true << false << "a named pipe";
        QTest::newRow("a link to a socket") << true << true << "a socket";
    }

    void targetsThatAreNoFileAreNeverReplaced()
    {
        QFETCH(bool, linked);
        QFETCH(bool, socket);
        QFETCH(QString, kind);
        TestHttpServer server;
        server.reply = TestHttpServer::ok(seasonFile("Roster.dat"));
        QTemporaryDir other;
        const QString path = other.filePath(QStringLiteral("Roster.dat"));
        const QString thing = linked ? other.filePath(QStringLiteral("elsewhere")) : path;
        QLocalServer local;
        if (socket)
            QVERIFY(local.listen(thing));
        else
            QCOMPARE(::mkfifo(QFile::encodeName(thing).constData(), 0600), 0);
        if (linked)
            QVERIFY(QFile::link(thing, path));

        const DownloadResult result = downloadTo(path, DownloadKind::Rosters, server.address());
        QCOMPARE(result.outcome, DownloadResult::Failed);
        QCOMPARE(result.caption, QStringLiteral("File Error"));
        QCOMPARE(result.errorText, QStringLiteral("File Error %1\nError").arg(EINVAL));
        const QString shown = QDir::toNativeSeparators(path);
        QCOMPARE(result.reason, linked ? QStringLiteral("%1 leads to %2, %3, not a file.")
                                             .arg(shown, QDir::toNativeSeparators(thing), kind)
                                       : QStringLiteral("%1 is %2, not a file.").arg(shown, kind));
        QVERIFY(server.requests.isEmpty());
        struct stat info;
        QCOMPARE(::stat(QFile::encodeName(thing).constData(), &info), 0);
        QVERIFY(socket ? S_ISSOCK(info.st_mode) : S_ISFIFO(info.st_mode));
        QCOMPARE(QFileInfo(path).isSymLink(), linked);
        QCOMPARE(QDir(other.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot).size(),
                 linked ? 2 : 1);
    }

    void aLinkToAFileIsWrittenThrough()
    {
        TestHttpServer server;
        const QByteArray roster = seasonFile("Roster.dat");
        server.reply = TestHttpServer::ok(roster);
        QTemporaryDir other;
        const QString target = writeFileAt(other.filePath(QStringLiteral("kept/Roster.dat")), oldContent);
        const QString link = other.filePath(QStringLiteral("Roster.dat"));
        QVERIFY(QFile::link(target, link));
        QCOMPARE(downloadTo(link, DownloadKind::Rosters, server.address()).outcome, DownloadResult::Succeeded);
        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(fileContent(target), roster);
    }

    // A new file that cannot even be made keeps its bare code and says why beside it.
    void aFileThatCannotBeMadeSaysWhy_data()
    {
        QTest::addColumn<QString>("place");
        QTest::addColumn<int>("code");
        QTest::newRow("under a file") << "Roster.dat/Roster.dat" << ENOTDIR;
        QTest::newRow("in a missing folder") << "missing/Roster.dat" << ENOENT;
    }

    void aFileThatCannotBeMadeSaysWhy()
    {
        QFETCH(QString, place);
        QFETCH(int, code);
        TestHttpServer server;
        server.reply = TestHttpServer::ok(seasonFile("Roster.dat"));
        const QString path = dir.filePath(place);
        const DownloadResult result = downloadTo(path, DownloadKind::Rosters, server.address());
        QCOMPARE(result.caption, QStringLiteral("File Error"));
        QCOMPARE(result.code, code);
        QCOMPARE(result.errorText, QStringLiteral("File Error %1\nError").arg(code));
        QCOMPARE(result.reason, QString::fromLocal8Bit(std::strerror(code)) + QStringLiteral(": ")
                                    + QDir::toNativeSeparators(path));
        verifyOldFileKept();
    }

    void cancelIsSilent()
    {
        TestHttpServer server;
        server.mode = TestHttpServer::Mode::Stall;
        server.reply = "HTTP/1.1 200 OK\r\nContent-Length: 5000\r\n\r\n0,1,";
        Downloader downloader;
        QSignalSpy began(&downloader, &Downloader::replyBegan);
        QSignalSpy finished(&downloader, &Downloader::finished);
        downloader.start(DownloadKind::Rosters, server.address(), localPath);
        QVERIFY(began.wait(5000));
        QVERIFY(downloader.isRunning());
        downloader.cancel();
        QTRY_COMPARE(finished.count(), 1);
        const auto result = finished.first().first().value<DownloadResult>();
        QCOMPARE(result.outcome, DownloadResult::Cancelled);
        QVERIFY(result.errorText.isEmpty());
        verifyOldFileKept();
    }

    void cliDownloadsAndReportsFailures()
    {
        TestHttpServer server;
        QTemporaryDir home;
        ProcessSetup setup;
        setup.environment = {{QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config"))},
                             {QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data"))}};
        setup.timeoutMs = 20000;
        auto run = [&](const QStringList &args, QByteArray *out = nullptr, QByteArray *err = nullptr) {
            const ProcessRun r = runProcess(builtProgram("hoopdeck-cli"), args, setup);
            if (out)
                *out = r.out;
            if (err)
                *err = r.err;
            return r.exitCode;
        };
        QCOMPARE(run({QStringLiteral("install")}), 0);
        QCOMPARE(run({QStringLiteral("settings"), QStringLiteral("--server"), server.address()}), 0);

        QByteArray standings = seasonFile("Standings.dat");
        standings.replace("\"2003-04\"", "\"2003-04 final\"");
        server.reply = TestHttpServer::ok(standings);
        QByteArray out, err;
        QCOMPARE(run({QStringLiteral("download"), QStringLiteral("standings")}, &out), 0);
        QCOMPARE(out, QByteArray("Downloaded Standings.dat (") + QByteArray::number(standings.size()) + " bytes)\n");
        QCOMPARE(run({QStringLiteral("--tsv"), QStringLiteral("standings")}, &out), 0);
        QVERIFY(out.startsWith("   2003-04 final NBA Standings   \n"));

        server.reply = TestHttpServer::status(404);
        QCOMPARE(run({QStringLiteral("download"), QStringLiteral("rosters")}, &out, &err), 3);
        QCOMPARE(err, QByteArray("Read Error 404\nError\n"));
        // A refused body: the reason follows the code on stderr.
        const QByteArray half = seasonFile("Standings.dat").left(300);
        server.reply = TestHttpServer::ok(half);
        QCOMPARE(run({QStringLiteral("download"), QStringLiteral("standings")}, &out, &err), 3);
        QCOMPARE(err, "Read Error 12152\nThe server response could not be parsed.\n"
                          + downloadRefusal(DownloadKind::Standings, half).toUtf8() + "\n");
        QCOMPARE(run({QStringLiteral("download"), QStringLiteral("scores")}), 64);

        QCOMPARE(run({QStringLiteral("--tsv"), QStringLiteral("settings")}, &out), 0);
        QVERIFY(out.endsWith("Server\t" + server.address().toLatin1() + "\nResults\ton\n"));
    }
};

QTEST_GUILESS_MAIN(DownloadTest)
#include "tst_download.moc"
