#include "line_reader.h"

#include <QIODevice>

#include <algorithm>
#include <cstring>

namespace hoopdeck {

void LineReader::fill()
{
    if (!device_ || data_.size() - pos_ >= kMaxLineBytes)
        return;
    data_.remove(0, pos_);
    pos_ = 0;
    while (device_ && data_.size() < kMaxLineBytes) {
        const qsizetype had = data_.size();
        data_.resize(had + kChunkBytes);
        const qint64 n = device_->read(data_.data() + had, kChunkBytes);
        data_.resize(had + std::max<qint64>(n, 0));
        if (n < 0)
            error_ = true;
        if (n <= 0)
            device_ = nullptr;
    }
}

qint64 LineReader::sizeHint() const
{
    return device_ ? std::max<qint64>(device_->size(), 0) : data_.size();
}

bool LineReader::readLine(QLatin1StringView &line)
{
    fill();
    if (pos_ >= data_.size())
        return false;
    const char *start = data_.constData() + pos_;
    const qsizetype available = std::min<qsizetype>(data_.size() - pos_, kMaxLineBytes);
    const void *newline = std::memchr(start, '\n', size_t(available));
    const qsizetype taken = newline ? static_cast<const char *>(newline) - start + 1 : available;
    pos_ += taken;

    qsizetype length = taken;
    if (const void *nul = std::memchr(start, '\0', size_t(length)))
        length = static_cast<const char *>(nul) - start;
    while (length > 0 && (start[length - 1] == '\n' || start[length - 1] == '\r'))
        --length;
    line = QLatin1StringView(start, length);
    return true;
}

bool LineReader::readLine(QString &line)
{
    QLatin1StringView bytes;
    if (!readLine(bytes))
        return false;
    // Widened into the caller's text, whose buffer is reused line after line:
    // a load then allocates only for the cells it keeps.
    line.resize(bytes.size());
    QChar *out = line.data();
    for (qsizetype i = 0; i < bytes.size(); ++i)
        out[i] = QChar(uchar(bytes.data()[i]));
    return true;
}

} // namespace hoopdeck
