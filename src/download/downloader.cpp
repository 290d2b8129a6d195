#include "downloader.h"

#include <QEventLoop>
#include <QNetworkProxyFactory>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSslError>
#include <QStringList>
#include <QUrl>

#include "file_write.h"
#include "net_errors.h"
#include "server_address.h"

// What Qt's network stack (6.4) bounds by itself, and what is left to this
// file. Qt 6.4's HTTP/1.1 reply reader sets no limit on the status line or
// the headers: it keeps every header line until the blank one, so a server
// that sends header lines forever grows it by about a byte of memory for
// each byte sent, and no signal tells of them. Here the head must therefore
// arrive whole within the idle timeout after the request went out (and
// within the deadline); that bounds the headers by what the server can send
// in that time. Qt frames the body by Content-Length, the chunked coding or
// the end of the connection, and reports a connection that ends before the
// announced length or the last chunk as RemoteHostClosedError. Bytes a
// server sends beyond its Content-Length are left on the connection unread:
// the announced length is the body, which the content checks then judge. It
// follows no redirect here (ManualRedirectPolicy). The body's size, the idle
// time, the overall deadline and which statuses count are checked here.

namespace hoopdeck {

namespace {
const char *const kConnectError = "Connect Error";
const char *const kSendRequestError = "Send Request Error";
const char *const kReadError = "Read Error";
const char *const kFileError = "File Error";

// The network library's codes for what went wrong (see FormatNetError);
// 12175, a secure connection that failed, is shown with the problem in words.
constexpr int kTimeout = 12002, kInvalidUrl = 12005, kUnsupportedScheme = 12006, kNameNotResolved = 12007,
              kCannotConnect = 12029, kConnectionAborted = 12030, kInvalidServerResponse = 12152,
              kSecureFailure = 12175;

// Bytes Qt keeps for the reply before it stops reading the socket.
constexpr qint64 kReadChunkBytes = 64 * 1024;

// The request the data server has always been sent: the agent's name, a
// fresh copy (no cache on the way), a connection it may keep open. The body
// is asked for as it is stored, so the bytes counted against the size limit
// are the bytes kept.
QNetworkRequest makeRequest(const QUrl &url)
{
    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::UserAgentHeader, QByteArrayLiteral("Hoopdeck"));
    request.setRawHeader("Accept", "*/*");
    request.setRawHeader("Accept-Encoding", "identity");
    request.setRawHeader("Cache-Control", "no-cache");
    request.setRawHeader("Pragma", "no-cache");
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    // HTTP/1.1 only, the protocol whose limits are described above.
    request.setAttribute(QNetworkRequest::Http2AllowedAttribute, false);
    return request;
}
} // namespace

QString DownloadResult::message() const
{
    return reason.isEmpty() ? errorText : errorText + QLatin1Char('\n') + reason;
}

DownloadLimits downloadLimits(int timeoutMs, int deadlineMs)
{
    DownloadLimits limits;
    if (timeoutMs > 0)
        limits.timeoutMs = timeoutMs;
    if (deadlineMs > 0)
        limits.deadlineMs = deadlineMs;
    return limits;
}

Downloader::Downloader(const DownloadLimits &limits, QObject *parent) : QObject(parent), limits_(limits)
{
    QNetworkProxyFactory::setUseSystemConfiguration(true);
    manager_.setRedirectPolicy(QNetworkRequest::ManualRedirectPolicy);
    idle_.setSingleShot(true);
    deadline_.setSingleShot(true);
    connect(&idle_, &QTimer::timeout, this, [this] { fail(stepCaption(), kTimeout); });
    connect(&deadline_, &QTimer::timeout, this, [this] { fail(stepCaption(), kTimeout); });
}

Downloader::~Downloader()
{
    closeConnection();
}

void Downloader::start(DownloadKind kind, const QString &server, const QString &localPath)
{
    if (running_)
        return;
    running_ = true;
    ++attempt_;
    kind_ = kind;
    body_.clear();
    began_ = requestSent_ = false;
    certificateProblems_.clear();
    localPath_ = localPath;

    const QUrl url = serverRequestUrl(server, downloadServerPath(kind));
    if (!url.isValid())
        return failLater(QLatin1String(kConnectError), kInvalidUrl, serverAddressProblem(server.trimmed()));
    // Nothing could be saved there, so there is no point fetching it.
    const FileWriteResult target = checkWriteTarget(localPath);
    if (!target.ok) {
        QTimer::singleShot(0, this, [this, attempt = attempt_, target] {
            if (attempt == attempt_)
                failWrite(target);
        });
        return;
    }

    reply_ = manager_.get(makeRequest(url));
    reply_->setReadBufferSize(kReadChunkBytes);
    connect(reply_, &QNetworkReply::requestSent, this, [this] {
        requestSent_ = true;
        idle_.start(limits_.timeoutMs);
    });
    connect(reply_, &QNetworkReply::metaDataChanged, this, &Downloader::onHead);
    connect(reply_, &QNetworkReply::readyRead, this, &Downloader::onReadyRead);
    connect(reply_, &QNetworkReply::sslErrors, this, [this](const QList<QSslError> &errors) {
        QStringList texts;
        for (const QSslError &error : errors)
            texts.append(error.errorString());
        texts.removeDuplicates();
        certificateProblems_ = texts.join(QLatin1Char('\n'));
    });
    connect(reply_, &QNetworkReply::finished, this, &Downloader::onReplyFinished);
    idle_.start(limits_.timeoutMs);
    deadline_.start(limits_.deadlineMs);
}

// Reported from the event loop, like every other outcome.
void Downloader::failLater(const QString &caption, int code, const QString &reason)
{
    QTimer::singleShot(0, this, [this, attempt = attempt_, caption, code, reason] {
        if (attempt == attempt_)
            fail(caption, code, QString(), reason);
    });
}

void Downloader::cancel()
{
    if (!running_)
        return;
    DownloadResult result;
    result.outcome = DownloadResult::Cancelled;
    finish(result);
}

// The status line and headers have come.
void Downloader::onHead()
{
    if (!running_ || began_)
        return;
    began_ = true;
    idle_.start(limits_.timeoutMs);
    emit replyBegan();
    if (!running_)  // cancelled by a receiver
        return;
    if (!checkStatus())
        return;
    bool announced = false;
    const qint64 length = reply_->header(QNetworkRequest::ContentLengthHeader).toLongLong(&announced);
    if (announced && length > kMaxBodyBytes)
        fail(QLatin1String(kReadError), kInvalidServerResponse);
}

// Only "200 OK" brings the file; false once the transfer has ended.
bool Downloader::checkStatus()
{
    const QVariant status = reply_->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (!status.isValid()) {
        fail(QLatin1String(kReadError), kInvalidServerResponse);
        return false;
    }
    if (status.toInt() != 200) {
        fail(QLatin1String(kReadError), status.toInt());
        return false;
    }
    return true;
}

void Downloader::onReadyRead()
{
    if (!running_)
        return;
    if (!began_) {
        onHead();
        if (!running_)
            return;
    }
    idle_.start(limits_.timeoutMs);
    // Taken as it comes, so that the size is known at every step.
    while (reply_->bytesAvailable() > 0) {
        body_ += reply_->read(qMin<qint64>(reply_->bytesAvailable(), kMaxBodyBytes + 1 - body_.size()));
        if (body_.size() > kMaxBodyBytes)
            return fail(QLatin1String(kReadError), kInvalidServerResponse);
    }
    bool announced = false;
    const qint64 length = reply_->header(QNetworkRequest::ContentLengthHeader).toLongLong(&announced);
    emit progress(body_.size(), announced ? length : -1);
}

void Downloader::onReplyFinished()
{
    if (!running_)
        return;
    if (reply_->error() != QNetworkReply::NoError
        && !reply_->attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid())
        return failNetwork();
    if (!began_) {
        onHead();
        if (!running_)
            return;
    } else if (!checkStatus()) {
        return;
    }
    // An error after a 200 head: the body did not come whole.
    if (reply_->error() != QNetworkReply::NoError)
        return failNetwork();
    onReadyRead();
    if (running_)
        saveBody();
}

void Downloader::failNetwork()
{
    const QString step = stepCaption();
    switch (reply_->error()) {
    case QNetworkReply::HostNotFoundError:
    case QNetworkReply::ProxyNotFoundError:
        return fail(step, kNameNotResolved);
    case QNetworkReply::ConnectionRefusedError:
    case QNetworkReply::ProxyConnectionRefusedError:
        return fail(step, kCannotConnect);
    case QNetworkReply::TimeoutError:
    case QNetworkReply::ProxyTimeoutError:
        return fail(step, kTimeout);
    case QNetworkReply::RemoteHostClosedError:
    case QNetworkReply::ProxyConnectionClosedError:
        return fail(step, kConnectionAborted);
    case QNetworkReply::SslHandshakeFailedError:
        return fail(step, kSecureFailure, QString(),
                    certificateProblems_.isEmpty() ? reply_->errorString() : certificateProblems_);
    case QNetworkReply::ProtocolUnknownError:
        return fail(QLatin1String(kConnectError), kUnsupportedScheme, QString(), reply_->errorString());
    case QNetworkReply::ProtocolFailure:
        return fail(QLatin1String(kReadError), kInvalidServerResponse);
    default:
        // TLS that could not start, and what else the stack reports, in its words.
        return fail(step, requestSent_ ? kConnectionAborted : kCannotConnect, QString(), reply_->errorString());
    }
}

void Downloader::saveBody()
{
    // Qt ends a reply whose connection closed while the body came as if it
    // were whole, at times before it reports the cut: the length decides.
    bool announced = false;
    const qint64 length = reply_->header(QNetworkRequest::ContentLengthHeader).toLongLong(&announced);
    if (announced && length != body_.size())
        return fail(QLatin1String(kReadError), kConnectionAborted);
    closeConnection();
    const QString refusal = downloadRefusal(kind_, body_);
    if (!refusal.isEmpty())
        return fail(QLatin1String(kReadError), kInvalidServerResponse, QString(), refusal);

    const FileWriteResult written = writeFileWhole(localPath_, body_);
    if (!written.ok)
        return failWrite(written);
    DownloadResult result;
    result.outcome = DownloadResult::Succeeded;
    result.bytes = body_.size();
    finish(result);
}

QString Downloader::stepCaption() const
{
    return QLatin1String(began_ ? kReadError : kSendRequestError);
}

void Downloader::closeConnection()
{
    idle_.stop();
    deadline_.stop();
    if (reply_) {
        reply_->disconnect(this);
        // Not inside the reply's own signal: Qt may still be reporting the
        // status as an error there, and an abort then reports a second one.
        QNetworkReply *reply = reply_;
        QTimer::singleShot(0, reply, [reply] {
            reply->abort();
            reply->deleteLater();
        });
        reply_ = nullptr;
    }
}

void Downloader::failWrite(const FileWriteResult &written)
{
    // A file that could not be made keeps the bare code it has always shown,
    // its words beside it; a write that failed on the way (a full disk) and
    // a folder in the file's place say why in the text itself.
    if (written.atOpen)
        fail(QLatin1String(kFileError), written.errorCode, QString(), written.reason);
    else
        fail(QLatin1String(kFileError), written.errorCode, written.reason);
}

void Downloader::fail(const QString &caption, int code, const QString &detail, const QString &reason)
{
    DownloadResult result;
    result.outcome = DownloadResult::Failed;
    result.caption = caption;
    result.code = code;
    result.errorText = FormatNetError(code, caption);
    if (!detail.isEmpty())
        result.errorText += QLatin1Char('\n') + detail;
    result.reason = reason;
    finish(result);
}

void Downloader::finish(DownloadResult result)
{
    if (!running_)
        return;
    closeConnection();
    running_ = false;
    body_.clear();
    emit finished(result);
}

DownloadResult downloadNow(DownloadKind kind, const QString &server, const QString &localPath,
                           const DownloadLimits &limits)
{
    Downloader downloader(limits);
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
