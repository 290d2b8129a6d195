#include "downloader.h"

#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QTcpSocket>
#include <QUrl>

#include <cerrno>

#include "file_write.h"
#include "http_response.h"
#include "net_errors.h"

namespace hoopdeck {

namespace {
const char *const kConnectError = "Connect Error";
const char *const kSendRequestError = "Send Request Error";
const char *const kReadError = "Read Error";
const char *const kFileError = "File Error";

// The network library's codes for what went wrong (see FormatNetError).
constexpr int kTimeout = 12002, kInvalidUrl = 12005, kNameNotResolved = 12007, kCannotConnect = 12029,
              kConnectionAborted = 12030, kInvalidServerResponse = 12152;

// Bytes taken from the socket at a time; Qt's own buffer holds no more than this either.
constexpr qint64 kReadChunkBytes = 64 * 1024;

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

// The request the data server has always been sent: the agent's name, a
// fresh copy (no cache on the way), a connection it may keep open.
QByteArray requestText(const QUrl &url)
{
    return "GET " + url.path(QUrl::FullyEncoded).toLatin1() + " HTTP/1.1\r\n"
           "Host: " + url.authority(QUrl::FullyEncoded).toLatin1() + "\r\n"
           "User-Agent: Hoopdeck\r\n"
           "Accept: */*\r\n"
           "Cache-Control: no-cache\r\n"
           "Pragma: no-cache\r\n"
           "Connection: keep-alive\r\n"
           "\r\n";
}
} // namespace

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
    began_ = connected_ = false;
    localPath_ = localPath;

    const QUrl url = requestUrl(server, kind);
    if (!url.isValid())
        return failLater(QLatin1String(kConnectError), kInvalidUrl);
    // Nothing could be saved there, so there is no point fetching it.
    if (QFileInfo(localPath).isDir()) {
        return failLater(QLatin1String(kFileError), EISDIR, folderInPlaceReason(localPath));
    }

    response_ = std::make_unique<HttpResponse>(kMaxBodyBytes);
    request_ = requestText(url);
    socket_ = new QTcpSocket(this);
    socket_->setReadBufferSize(kReadChunkBytes);
    connect(socket_, &QTcpSocket::connected, this, [this] {
        connected_ = true;
        idle_.start(limits_.timeoutMs);
        socket_->write(request_);
    });
    connect(socket_, &QTcpSocket::readyRead, this, &Downloader::onReadyRead);
    connect(socket_, &QAbstractSocket::errorOccurred, this, &Downloader::onSocketError);
    idle_.start(limits_.timeoutMs);
    deadline_.start(limits_.deadlineMs);
    socket_->connectToHost(url.host(), quint16(url.port(80)));
}

// Reported from the event loop, like every other outcome.
void Downloader::failLater(const QString &caption, int code, const QString &detail)
{
    QTimer::singleShot(0, this, [this, attempt = attempt_, caption, code, detail] {
        if (attempt == attempt_)
            fail(caption, code, detail);
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

void Downloader::onReadyRead()
{
    idle_.start(limits_.timeoutMs);
    drainSocket();
}

// Feeds what the socket holds to the response; false once the transfer has ended.
bool Downloader::drainSocket()
{
    while (socket_ && socket_->bytesAvailable() > 0) {
        response_->feed(socket_->read(kReadChunkBytes));
        if (!readResponse())
            return false;
    }
    return true;
}

// Acts on what the response holds so far; false once the transfer has ended.
bool Downloader::readResponse()
{
    if (response_->headComplete() && !began_) {
        began_ = true;
        emit replyBegan();
        if (!running_)  // cancelled by a receiver
            return false;
        const int status = response_->statusCode();
        if (status < 200 || status > 299) {
            fail(QLatin1String(kReadError), status);
            return false;
        }
    }
    if (response_->hasFailed()) {
        switch (response_->failure()) {
        case HttpResponse::Failure::Cut: fail(stepCaption(), kConnectionAborted); break;
        case HttpResponse::Failure::Overrun: fail(QLatin1String(kReadError), kConnectionAborted); break;
        default: fail(QLatin1String(kReadError), kInvalidServerResponse); break;
        }
        return false;
    }
    if (began_) {
        emit progress(response_->bodySize(), response_->contentLength());
        if (!running_)
            return false;
    }
    if (response_->isComplete()) {
        onFinished();
        return false;
    }
    return true;
}

void Downloader::onSocketError(QAbstractSocket::SocketError error)
{
    if (!running_)
        return;
    if (error == QAbstractSocket::RemoteHostClosedError) {
        // What came before the close still counts; the response decides whether it was whole.
        if (!drainSocket())
            return;
        response_->endOfInput();
        readResponse();
        return;
    }
    switch (error) {
    case QAbstractSocket::HostNotFoundError: return fail(stepCaption(), kNameNotResolved);
    case QAbstractSocket::SocketTimeoutError: return fail(stepCaption(), kTimeout);
    default: return fail(stepCaption(), connected_ ? kConnectionAborted : kCannotConnect);
    }
}

void Downloader::onFinished()
{
    closeConnection();
    body_ = response_->takeBody();

    if (!isUsableDownload(kind_, body_))
        return fail(QLatin1String(kReadError), kInvalidServerResponse);

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
    if (socket_) {
        socket_->disconnect(this);
        socket_->abort();
        socket_->deleteLater();
        socket_ = nullptr;
    }
}

void Downloader::failWrite(const FileWriteResult &written)
{
    // A file that could not be made says no more than its code, as it always
    // has; a write that failed on the way (a full disk) says why and that the
    // old file is still there.
    fail(QLatin1String(kFileError), written.errorCode, written.atOpen ? QString() : written.reason);
}

void Downloader::fail(const QString &caption, int code, const QString &detail)
{
    DownloadResult result;
    result.outcome = DownloadResult::Failed;
    result.caption = caption;
    result.code = code;
    result.errorText = FormatNetError(code, caption);
    if (!detail.isEmpty())
        result.errorText += QLatin1Char('\n') + detail;
    finish(result);
}

void Downloader::finish(DownloadResult result)
{
    if (!running_)
        return;
    closeConnection();
    running_ = false;
    body_.clear();
    response_.reset();
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
