#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QPair>

namespace hoopdeck {

// Reads one HTTP/1.x response to a GET from the bytes of a connection, fed
// as they arrive. Everything it keeps is bounded: the status line, headers
// and trailers together by kMaxHeadBytes, the body by the limit it is given.
// The body is framed by Content-Length, by the chunked transfer coding or
// by the end of the connection; a body that ends before its announced
// length, or bytes beyond it, make the response fail.
class HttpResponse {
public:
    static constexpr qsizetype kMaxHeadBytes = 64 * 1024;

    enum class Failure {
        None,
        Malformed,     // not a response this reader understands
        HeadTooLarge,  // status line and headers over kMaxHeadBytes
        BodyTooLarge,  // announced or received body over the limit
        Cut,           // the connection ended before the response did
        Overrun,       // bytes beyond the announced end of the response
    };

    explicit HttpResponse(qint64 maxBodyBytes);

    void feed(QByteArrayView bytes);
    void endOfInput();  // the server closed the connection

    bool headComplete() const { return headComplete_; }
    bool isComplete() const { return stage_ == Stage::Complete; }
    bool hasFailed() const { return stage_ == Stage::Failed; }
    Failure failure() const { return failure_; }

    int statusCode() const { return status_; }  // that of the final response, once the head is complete
    QByteArray header(QByteArrayView name) const;  // the first value of that name, "" when absent
    qint64 contentLength() const { return contentLength_; }  // -1 when the body is not announced
    qint64 bodySize() const { return body_.size(); }
    QByteArray takeBody();

private:
    enum class Stage { StatusLine, Headers, SizedBody, BodyUntilClose, ChunkSize, ChunkData, ChunkEnd, Trailers,
                       Complete, Failed };

    bool takeLine(QByteArray &line, qsizetype limit, bool countsToHead);
    bool readStatusLine(const QByteArray &line);
    bool readHeaderLine(const QByteArray &line);
    void endHead();
    bool readChunkSize(const QByteArray &line);
    bool readChunkEnd(const QByteArray &line);
    void appendBody(QByteArrayView bytes);
    void fail(Failure failure);

    const qint64 maxBodyBytes_;
    Stage stage_ = Stage::StatusLine;
    Failure failure_ = Failure::None;
    QByteArray input_;  // bytes fed but not yet taken
    qsizetype pos_ = 0;
    qsizetype headBytes_ = 0;
    bool headComplete_ = false;
    int status_ = 0;
    QList<QPair<QByteArray, QByteArray>> headers_;  // names in lower case
    qint64 contentLength_ = -1;
    qint64 remaining_ = 0;  // of the sized body or the current chunk
    QByteArray body_;
};

} // namespace hoopdeck
