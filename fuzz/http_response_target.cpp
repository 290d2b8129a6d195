#include <QByteArray>

#include <algorithm>

#include "fuzz_check.h"
#include "fuzz_targets.h"
#include "http_response.h"

namespace hoopdeck::fuzz {

namespace {
constexpr qint64 kBodyLimit = 4096;  // small, so that the limit is met often

struct Outcome {
    bool complete, failed;
    int failure, status;
    QByteArray body;
    bool operator==(const Outcome &o) const
    {
        return complete == o.complete && failed == o.failed && failure == o.failure && status == o.status
               && body == o.body;
    }
};

// Feeds every byte in pieces of the given sizes (cycled), as a connection
// hands them over, then the end of the connection.
Outcome read(const QByteArray &bytes, const QByteArray &pieceSizes)
{
    HttpResponse response(kBodyLimit);
    qsizetype pos = 0;
    for (int piece = 0; pos < bytes.size() && !response.hasFailed(); ++piece) {
        const qsizetype size = pieceSizes.isEmpty() ? bytes.size() : 1 + uchar(pieceSizes.at(piece % pieceSizes.size())) % 64;
        response.feed(QByteArrayView(bytes).sliced(pos, std::min(size, bytes.size() - pos)));
        pos += size;
    }
    if (!response.isComplete() && !response.hasFailed())
        response.endOfInput();
    FUZZ_EXPECT(response.isComplete() != response.hasFailed(), QString::fromLatin1(bytes.left(200)));
    FUZZ_EXPECT(response.bodySize() <= kBodyLimit, QString::number(response.bodySize()));
    if (response.isComplete() && response.contentLength() >= 0 && !response.header("transfer-encoding").size())
        FUZZ_EXPECT(response.bodySize() == response.contentLength(), QString::number(response.contentLength()));
    return {response.isComplete(), response.hasFailed(), int(response.failure()),
            response.headComplete() ? response.statusCode() : 0, response.takeBody()};
}
} // namespace

// Input: one byte N, N bytes of piece sizes, then what a server sends.
int httpResponseTarget(const uint8_t *data, size_t size)
{
    const QByteArray input = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const qsizetype sizesLength = input.isEmpty() ? 0 : std::min<qsizetype>(uchar(input.at(0)) % 16, input.size() - 1);
    const QByteArray pieceSizes = input.mid(1, sizesLength);
    const QByteArray bytes = input.mid(1 + sizesLength);

    // However the bytes arrive, the response reads the same.
    const Outcome whole = read(bytes, QByteArray());
    const Outcome pieces = read(bytes, pieceSizes.isEmpty() ? QByteArray(1, '\0') : pieceSizes);
    FUZZ_EXPECT(whole == pieces, QStringLiteral("whole %1/%2/%3, in pieces %4/%5/%6")
                                     .arg(whole.complete).arg(whole.failure).arg(whole.body.size())
                                     .arg(pieces.complete).arg(pieces.failure).arg(pieces.body.size()));
    return 0;
}

} // namespace hoopdeck::fuzz
