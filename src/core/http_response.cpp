#include "http_response.h"

#include <limits>
#include <utility>

#include "text_fields.h"

namespace hoopdeck {

namespace {
// A chunk-size line is a few hex digits; extensions are allowed but never this long.
constexpr qsizetype kMaxChunkLineBytes = 4096;

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}
} // namespace

HttpResponse::HttpResponse(qint64 maxBodyBytes) : maxBodyBytes_(maxBodyBytes) {}

void HttpResponse::feed(QByteArrayView bytes)
{
    if (stage_ == Stage::Failed || bytes.isEmpty())
        return;
    if (stage_ == Stage::Complete)
        return fail(Failure::Overrun);
    input_.append(bytes.data(), bytes.size());

    bool more = true;
    while (more) {
        QByteArray line;
        switch (stage_) {
        case Stage::StatusLine:
            more = takeLine(line, kMaxHeadBytes, true) && readStatusLine(line);
            break;
        case Stage::Headers:
            if ((more = takeLine(line, kMaxHeadBytes, true))) {
                if (line.isEmpty())
                    endHead();
                else
                    more = readHeaderLine(line);
            }
            break;
        case Stage::SizedBody:
        case Stage::ChunkData: {
            const qsizetype n = qsizetype(qMin<qint64>(remaining_, input_.size() - pos_));
            if ((more = n > 0)) {
                appendBody(QByteArrayView(input_).sliced(pos_, n));
                pos_ += n;
                remaining_ -= n;
                if (remaining_ == 0 && stage_ != Stage::Failed)
                    stage_ = stage_ == Stage::SizedBody ? Stage::Complete : Stage::ChunkEnd;
            }
            break;
        }
        case Stage::BodyUntilClose:
            if ((more = pos_ < input_.size())) {
                appendBody(QByteArrayView(input_).sliced(pos_));
                pos_ = input_.size();
            }
            break;
        case Stage::ChunkSize:
            more = takeLine(line, kMaxChunkLineBytes, false) && readChunkSize(line);
            break;
        case Stage::ChunkEnd:
            more = takeLine(line, kMaxChunkLineBytes, false) && readChunkEnd(line);
            break;
        case Stage::Trailers:
            // Trailer fields carry nothing the download uses; the blank line ends them.
            if ((more = takeLine(line, kMaxHeadBytes, true)) && line.isEmpty())
                stage_ = Stage::Complete;
            break;
        case Stage::Complete:
        case Stage::Failed:
            more = false;
            break;
        }
    }
    // One request was sent, so anything after its response is not ours to accept.
    if (stage_ == Stage::Complete && pos_ < input_.size())
        return fail(Failure::Overrun);
    input_.remove(0, pos_);
    pos_ = 0;
}

void HttpResponse::endOfInput()
{
    if (stage_ == Stage::BodyUntilClose)
        stage_ = Stage::Complete;
    else if (stage_ != Stage::Complete && stage_ != Stage::Failed)
        fail(Failure::Cut);
}

QByteArray HttpResponse::header(QByteArrayView name) const
{
    for (const auto &field : headers_) {
        if (field.first.compare(name, Qt::CaseInsensitive) == 0)
            return field.second;
    }
    return QByteArray();
}

QByteArray HttpResponse::takeBody()
{
    return std::exchange(body_, QByteArray());
}

// Takes the next line without its line end (CRLF, or a bare LF from a
// careless server). Without a whole line yet, it fails only when the part
// already held is over the limit.
bool HttpResponse::takeLine(QByteArray &line, qsizetype limit, bool countsToHead)
{
    const qsizetype used = countsToHead ? headBytes_ : 0;
    const qsizetype end = input_.indexOf('\n', pos_);
    const qsizetype length = end < 0 ? input_.size() - pos_ : end + 1 - pos_;
    if (used + length > limit) {
        fail(countsToHead ? Failure::HeadTooLarge : Failure::Malformed);
        return false;
    }
    if (end < 0)
        return false;
    if (countsToHead)
        headBytes_ += length;
    line = input_.mid(pos_, end - pos_);
    if (line.endsWith('\r'))
        line.chop(1);
    pos_ = end + 1;
    return true;
}

bool HttpResponse::readStatusLine(const QByteArray &line)
{
    if (line.isEmpty())  // blank lines before the status line are tolerated
        return true;
    // "HTTP/1.1 200 OK": the version, a blank, three digits, then a blank and the reason or nothing.
    const bool wellFormed = line.size() >= 12 && line.startsWith("HTTP/1.") && isDigit(line.at(7))
                            && line.at(8) == ' ' && isDigit(line.at(9)) && isDigit(line.at(10))
                            && isDigit(line.at(11)) && (line.size() == 12 || line.at(12) == ' ');
    const int status = wellFormed ? line.mid(9, 3).toInt() : 0;
    if (status < 100) {
        fail(Failure::Malformed);
        return false;
    }
    status_ = status;
    stage_ = Stage::Headers;
    return true;
}

bool HttpResponse::readHeaderLine(const QByteArray &line)
{
    if (line.startsWith(' ') || line.startsWith('\t')) {
        // An old-style continuation of the previous field's value.
        if (headers_.isEmpty()) {
            fail(Failure::Malformed);
            return false;
        }
        headers_.last().second += ' ' + line.trimmed();
        return true;
    }
    const qsizetype colon = line.indexOf(':');
    const QByteArray name = colon > 0 ? line.left(colon) : QByteArray();
    if (name.isEmpty() || name.contains(' ') || name.contains('\t')) {
        fail(Failure::Malformed);
        return false;
    }
    headers_.append({name.toLower(), line.mid(colon + 1).trimmed()});
    return true;
}

void HttpResponse::endHead()
{
    if (status_ < 200) {
        // An interim answer such as "100 Continue": the final response follows.
        headers_.clear();
        stage_ = Stage::StatusLine;
        return;
    }
    headComplete_ = true;
    if (status_ == 204 || status_ == 304) {
        stage_ = Stage::Complete;
        return;
    }

    QByteArray codings;
    qint64 length = -1;
    for (const auto &field : headers_) {
        if (field.first == "transfer-encoding") {
            codings += ',' + field.second;
        } else if (field.first == "content-length") {
            // Repeated values ("11, 11") must agree.
            for (const QByteArray &part : field.second.split(',')) {
                const QByteArray digits = part.trimmed();
                bool allDigits = !digits.isEmpty();
                for (char c : digits)
                    allDigits = allDigits && isDigit(c);
                if (!allDigits)
                    return fail(Failure::Malformed);
                const qint64 value = digits.size() > 18 ? std::numeric_limits<qint64>::max() : digits.toLongLong();
                if (length >= 0 && value != length)
                    return fail(Failure::Malformed);
                length = value;
            }
        }
    }
    if (!codings.isEmpty()) {
        // The transfer coding outranks any length; only a chunked one ends before the connection does.
        const bool chunked = codings.split(',').last().trimmed().toLower() == "chunked";
        stage_ = chunked ? Stage::ChunkSize : Stage::BodyUntilClose;
        return;
    }
    if (length < 0) {
        stage_ = Stage::BodyUntilClose;
        return;
    }
    contentLength_ = length;
    if (length > maxBodyBytes_)
        return fail(Failure::BodyTooLarge);
    remaining_ = length;
    stage_ = length == 0 ? Stage::Complete : Stage::SizedBody;
}

// The line end that closes a chunk's data, with nothing before it.
bool HttpResponse::readChunkEnd(const QByteArray &line)
{
    if (!line.isEmpty()) {
        fail(Failure::Malformed);
        return false;
    }
    stage_ = Stage::ChunkSize;
    return true;
}

bool HttpResponse::readChunkSize(const QByteArray &line)
{
    const qsizetype extension = line.indexOf(';');
    const QByteArray digits = (extension < 0 ? line : line.left(extension)).trimmed();
    qint64 size = 0;
    for (char c : digits) {
        const int value = hexDigitValue(uchar(c));
        if (value < 0) {
            fail(Failure::Malformed);
            return false;
        }
        size = size * 16 + value;
        if (size > maxBodyBytes_ - body_.size()) {
            fail(Failure::BodyTooLarge);
            return false;
        }
    }
    if (digits.isEmpty()) {
        fail(Failure::Malformed);
        return false;
    }
    remaining_ = size;
    stage_ = size == 0 ? Stage::Trailers : Stage::ChunkData;
    return true;
}

void HttpResponse::appendBody(QByteArrayView bytes)
{
    if (body_.size() + bytes.size() > maxBodyBytes_)
        return fail(Failure::BodyTooLarge);
    body_.append(bytes.data(), bytes.size());
}

void HttpResponse::fail(Failure failure)
{
    stage_ = Stage::Failed;
    failure_ = failure;
    input_.clear();
    pos_ = 0;
    body_.clear();
}

} // namespace hoopdeck
