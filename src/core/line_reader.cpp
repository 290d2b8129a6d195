#include "line_reader.h"

#include <QFileDevice>

#include <cstring>

namespace hoopdeck {

LineReader::LineReader(QFileDevice &file)
{
    data_ = file.readAll();
    error_ = file.error() != QFileDevice::NoError;
}

bool LineReader::readLine(QString &line)
{
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
    // Widened into the caller's text, whose buffer is reused line after line:
    // a load then allocates only for the cells it keeps.
    line.resize(length);
    QChar *out = line.data();
    for (qsizetype i = 0; i < length; ++i)
        out[i] = QChar(uchar(start[i]));
    return true;
}

} // namespace hoopdeck
