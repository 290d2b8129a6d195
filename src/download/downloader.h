#pragma once

#include <QByteArray>
#include <QNetworkAccessManager>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

#include "download_kinds.h"

class QNetworkReply;

namespace hoopdeck {

struct FileWriteResult;

// The outcome of one transfer. A failure carries the step's caption, the
// code and the text the user is shown.
struct DownloadResult {
    enum Outcome { Succeeded, Failed, Cancelled };
    Outcome outcome = Failed;
    qint64 bytes = 0;
    QString caption;
    int code = 0;
    QString errorText;  // FormatNetError(code, caption), for a folder with a line naming it
    // Why, in words, where the code does not say it: a refused body, a file
    // that could not be made, a certificate problem. Empty otherwise.
    QString reason;

    // What the user is shown: errorText, then the reason on a line of its own.
    QString message() const;
};

// How long a transfer may wait before it counts as a timeout.
struct DownloadLimits {
    int timeoutMs = 30000;    // no answer and no new byte for this long
    int deadlineMs = 120000;  // the whole transfer, however steadily the bytes come
};

// The limits a user asked for; a limit of 0 or less (none given, or not a
// number) keeps its default.
DownloadLimits downloadLimits(int timeoutMs, int deadlineMs);

// Fetches one data file from the data server with an HTTP/1.1 GET (over TLS
// for an https:// server, checked against the system's certificates) and
// replaces the local copy only when a 200 answer's whole body arrived and
// holds usable data: on any failure the old file stays byte for byte and no
// partial file is left. Every resource a server can make it spend is
// bounded: the time between bytes, the time in all (which also bounds the
// headers, see downloader.cpp) and the size of the body.
// Redirects are not followed (a 3xx answer is a failure like any other
// status but 200).
class Downloader : public QObject {
    Q_OBJECT
public:
    static constexpr qint64 kMaxBodyBytes = 8 * 1024 * 1024;

    explicit Downloader(const DownloadLimits &limits = {}, QObject *parent = nullptr);
    ~Downloader() override;

    // server is a Server setting: host, host:port, http://host[:port] or
    // https://host[:port] (see serverRequestUrl).
    void start(DownloadKind kind, const QString &server, const QString &localPath);
    bool isRunning() const { return running_; }

    // Ends a running transfer without a message; finished() reports Cancelled.
    void cancel();

signals:
    void replyBegan();  // the server's answer has started: "Downloading ..."
    void progress(qint64 received, qint64 total);
    void finished(const hoopdeck::DownloadResult &result);

private:
    void failLater(const QString &caption, int code, const QString &reason = QString());
    void onHead();
    void onReadyRead();
    void onReplyFinished();
    bool checkStatus();
    void failNetwork();
    void saveBody();
    void closeConnection();
    QString stepCaption() const;
    void failWrite(const FileWriteResult &written);
    void fail(const QString &caption, int code, const QString &detail = QString(), const QString &reason = QString());
    void finish(DownloadResult result);

    QNetworkAccessManager manager_;
    QPointer<QNetworkReply> reply_;
    QTimer idle_;
    QTimer deadline_;
    DownloadLimits limits_;
    int attempt_ = 0;  // so that a failure posted for one start never ends a later one
    bool running_ = false;
    bool requestSent_ = false;
    bool began_ = false;
    QString certificateProblems_;
    DownloadKind kind_ = DownloadKind::Standings;
    QString localPath_;
    QByteArray body_;
};

// Runs one download to its end in a local event loop (for the terminal).
DownloadResult downloadNow(DownloadKind kind, const QString &server, const QString &localPath,
                           const DownloadLimits &limits);

} // namespace hoopdeck
