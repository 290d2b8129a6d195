#include "downloader.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>

#include <cerrno>

#include "download_check.h"
#include "file_write.h"
#include "net_errors.h"

namespace hoopdeck {

namespace {
const char *const kConnectError = "Connect Error";
const char *const kSendRequestError = "Send Request Error";
const char *const kReadError = "Read Error";
const char *const kFileError = "File Error";

// The network library's codes for what went wrong (see FormatNetError).
enum NetCode {
    kTimeout = 12002,
    kInvalidUrl = 12005,
    kNameNotResolved = 12007,
    kCannotConnect = 12029,
    kConnectionAborted = 12030,
    kInvalidServerResponse = 12152,
};

int defaultTimeout()
{
    bool ok = false;
    const int ms = qEnvironmentVariableIntValue("HOOPDECK_NET_TIMEOUT_MS", &ok);
    return ok && ms > 0 ? ms : Downloader::kDefaultTimeoutMs;
}

QUrl requestUrl(const QString &server, DownloadKind kind)
{
    const QString text = server.trimmed();
    if (text.isEmpty() || text.contains(QLatin1Char('/')) || text.contains(QLatin1Char('@'))
        || text.contains(QLatin1Char(' ')))
        return QUrl();
    QUrl url(QStringLiteral("http://") + text + downloadServerPath(kind), QUrl::StrictMode);
    if (!url.isValid() || url.host().isEmpty() || url.path() != downloadServerPath(kind))
        return QUrl();
    return url;
}
} // namespace

QString downloadFileName(DownloadKind kind)
{
    return kind == DownloadKind::Standings ? QStringLiteral("Standings.dat") : QStringLiteral("Roster.dat");
}

QString downloadServerPath(DownloadKind kind)
{
    return QStringLiteral("/sports/basketball/2004/") + downloadFileName(kind);
}

Downloader::Downloader(QObject *parent)
    : QObject(parent), network_(std::make_unique<QNetworkAccessManager>()), timeoutMs_(defaultTimeout())
{
    watchdog_.setSingleShot(true);
    connect(&watchdog_, &QTimer::timeout, this, [this] {
        timedOut_ = true;
        if (reply_)
            reply_->abort();
    });
}

Downloader::~Downloader()
{
    if (reply_) {
        cancelled_ = true;
        reply_->disconnect(this);
        reply_->abort();
        reply_->deleteLater();
    }
}

void Downloader::start(DownloadKind kind, const QString &server, const QString &localPath)
{
    if (reply_)
        return;
    kind_ = kind;
    body_.clear();
    began_ = cancelled_ = timedOut_ = oversize_ = false;
    localPath_ = localPath;

    const QUrl url = requestUrl(server, kind);
    if (!url.isValid()) {
        // Reported from the event loop, like every other outcome.
        QTimer::singleShot(0, this, [this] { fail(QLatin1String(kConnectError), kInvalidUrl); });
        return;
    }
    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("Hoopdeck"));
    request.setRawHeader("Connection", "keep-alive");
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    request.setAttribute(QNetworkRequest::Http2AllowedAttribute, false);

    reply_ = network_->get(request);
    connect(reply_, &QNetworkReply::metaDataChanged, this, &Downloader::onMetaData);
    connect(reply_, &QNetworkReply::readyRead, this, &Downloader::onReadyRead);
    connect(reply_, &QNetworkReply::downloadProgress, this, [this](qint64 received, qint64 total) {
        watchdog_.start(timeoutMs_);
        emit progress(received, total);
    });
    connect(reply_, &QNetworkReply::finished, this, &Downloader::onFinished);
    watchdog_.start(timeoutMs_);
}

void Downloader::cancel()
{
    if (!reply_)
        return;
    cancelled_ = true;
    reply_->abort();
}

void Downloader::onMetaData()
{
    if (began_ || !reply_->attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid())
        return;
    began_ = true;
    watchdog_.start(timeoutMs_);
    emit replyBegan();
    if (reply_->header(QNetworkRequest::ContentLengthHeader).toLongLong() > kMaxBodyBytes) {
        oversize_ = true;
        reply_->abort();
    }
}

void Downloader::onReadyRead()
{
    watchdog_.start(timeoutMs_);
    body_.append(reply_->readAll());
    if (body_.size() > kMaxBodyBytes) {
        oversize_ = true;
        reply_->abort();
    }
}

void Downloader::onFinished()
{
    watchdog_.stop();
    QNetworkReply *reply = reply_;
    reply_ = nullptr;
    reply->deleteLater();
    if (!oversize_ && reply->error() == QNetworkReply::NoError)
        body_.append(reply->readAll());

    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    began_ = began_ || status.isValid();
    const QString caption = QLatin1String(began_ ? kReadError : kSendRequestError);

    if (cancelled_) {
        DownloadResult result;
        result.outcome = DownloadResult::Cancelled;
        finish(result);
        return;
    }
    if (timedOut_)
        return fail(caption, kTimeout);
    if (oversize_ || body_.size() > kMaxBodyBytes)
        return fail(QLatin1String(kReadError), kInvalidServerResponse);
    if (status.isValid() && (status.toInt() < 200 || status.toInt() > 299))
        return fail(QLatin1String(kReadError), status.toInt());
    switch (reply->error()) {
    case QNetworkReply::NoError: break;
    case QNetworkReply::HostNotFoundError: return fail(caption, kNameNotResolved);
    case QNetworkReply::ConnectionRefusedError: return fail(caption, kCannotConnect);
    case QNetworkReply::RemoteHostClosedError: return fail(caption, kConnectionAborted);
    case QNetworkReply::TimeoutError: return fail(caption, kTimeout);
    default: return fail(caption, int(reply->error()));
    }

    const bool usable = kind_ == DownloadKind::Standings ? isUsableStandings(body_) : isUsableRoster(body_);
    if (!usable)
        return fail(QLatin1String(kReadError), kInvalidServerResponse);

    const FileWriteResult written = writeFileWhole(localPath_, body_);
    if (!written.ok)
        return failWrite(written);
    DownloadResult result;
    result.outcome = DownloadResult::Succeeded;
    result.bytes = body_.size();
    finish(result);
}

void Downloader::failWrite(const FileWriteResult &written)
{
    DownloadResult result;
    result.outcome = DownloadResult::Failed;
    result.caption = QLatin1String(kFileError);
    result.code = written.errorCode;
    result.errorText = FormatNetError(written.errorCode, result.caption);
    // A file that could not be made says no more than its code, as it always
    // has; a folder in its place, or a write that failed on the way (a full
    // disk), says why and that the old file is still there.
    if (!written.atOpen)
        result.errorText += QLatin1Char('\n') + written.reason;
    finish(result);
}

void Downloader::fail(const QString &caption, int code)
{
    DownloadResult result;
    result.outcome = DownloadResult::Failed;
    result.caption = caption;
    result.code = code;
    result.errorText = FormatNetError(code, caption);
    finish(result);
}

void Downloader::finish(DownloadResult result)
{
    body_.clear();
    emit finished(result);
}

DownloadResult downloadNow(DownloadKind kind, const QString &server, const QString &localPath)
{
    Downloader downloader;
    DownloadResult result;
    QEventLoop loop;
    QObject::connect(&downloader, &Downloader::finished, &loop, [&](const DownloadResult &r) {
        result = r;
        loop.quit();
    });
    downloader.start(kind, server, localPath);
    loop.exec();
    return result;
}

} // namespace hoopdeck
