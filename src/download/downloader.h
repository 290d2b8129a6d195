#pragma once

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

#include <memory>

#include <QNetworkReply>

class QNetworkAccessManager;

namespace hoopdeck {

struct FileWriteResult;

// Which file a download fetches.
enum class DownloadKind { Rosters = 0, Standings = 1 };

QString downloadFileName(DownloadKind kind);    // "Standings.dat" or "Roster.dat"
QString downloadServerPath(DownloadKind kind);  // "/sports/basketball/2004/..."

// The outcome of one transfer. A failure carries the step's caption, the
// code and the text the user is shown.
struct DownloadResult {
    enum Outcome { Succeeded, Failed, Cancelled };
    Outcome outcome = Failed;
    qint64 bytes = 0;
    QString caption;
    int code = 0;
    QString errorText;  // FormatNetError(code, caption)
};

// Fetches one data file from the data server and replaces the local copy
// only when the whole body arrived and holds usable data: on any failure the
// old file stays byte for byte and no partial file is left.
class Downloader : public QObject {
    Q_OBJECT
public:
    static constexpr int kDefaultTimeoutMs = 30000;
    static constexpr qint64 kMaxBodyBytes = 8 * 1024 * 1024;

    explicit Downloader(QObject *parent = nullptr);
    ~Downloader() override;

    // No answer and no new byte for this long counts as a timeout. The
    // environment variable HOOPDECK_NET_TIMEOUT_MS sets the default.
    void setTimeout(int milliseconds) { timeoutMs_ = milliseconds; }

    // server is a host or host:port (port 80 when none is named).
    void start(DownloadKind kind, const QString &server, const QString &localPath);
    bool isRunning() const { return reply_ != nullptr; }

    // Ends a running transfer without a message; finished() reports Cancelled.
    void cancel();

signals:
    void replyBegan();  // the server's answer has started: "Downloading ..."
    void progress(qint64 received, qint64 total);
    void finished(const hoopdeck::DownloadResult &result);

private:
    void onMetaData();
    void onReadyRead();
    void onFinished();
    void fail(const QString &caption, int code);
    void failWrite(const FileWriteResult &written);
    void finish(DownloadResult result);

    std::unique_ptr<QNetworkAccessManager> network_;
    QPointer<QNetworkReply> reply_;
    QTimer watchdog_;
    int timeoutMs_;
    DownloadKind kind_ = DownloadKind::Standings;
    QString localPath_;
    QByteArray body_;
    bool began_ = false;
    bool cancelled_ = false;
    bool timedOut_ = false;
    bool oversize_ = false;
};

// Runs one download to its end in a local event loop (for the terminal).
DownloadResult downloadNow(DownloadKind kind, const QString &server, const QString &localPath);

} // namespace hoopdeck
