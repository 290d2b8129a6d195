#pragma once

#include <QByteArray>
#include <QLatin1StringView>
#include <QString>

#include <utility>

class QIODevice;

namespace hoopdeck {

// Reads an 8-bit data file one line at a time. A line is at most 1023 bytes
// with its line end; a longer line is cut there and its remainder comes back
// as the next line. Bytes widen one to one (Latin-1), text after a NUL byte
// within a line is dropped, and trailing CR and LF characters are removed.
class LineReader {
public:
    static constexpr int kMaxLineBytes = 1023;

    // Reads the open device a chunk at a time, so that memory does not grow
    // with the file's size; a read error is kept for error().
    explicit LineReader(QIODevice &device) : device_(&device) {}
    explicit LineReader(QByteArray bytes) : data_(std::move(bytes)) {}

    // The next line, or false once the end of the data is reached.
    bool readLine(QString &line);
    // The same line as the reader holds it, valid until the next read: for
    // a loader that keeps text as Latin-1 and need not widen every line.
    bool readLine(QLatin1StringView &line);

    // How many bytes there are to read in all, as far as can be told: a
    // loader sizes its tables by it. 0 when unknown.
    qint64 sizeHint() const;

    // True when the file reported an error while it was read: the lines
    // before the error are still delivered.
    bool error() const { return error_; }

private:
    static constexpr qsizetype kChunkBytes = 64 * 1024;

    // Makes at least one whole line (or the rest of the data) available
    // from pos_ on.
    void fill();

    QIODevice *device_ = nullptr;
    QByteArray data_;
    qsizetype pos_ = 0;
    bool error_ = false;
};

} // namespace hoopdeck

#include <QFile>

#include "regular_file.h"

namespace hoopdeck {

// Opens a data file and hands it to read(LineReader &), whose result is
// returned; false when the file cannot be opened or is not a regular file.
template <typename Read>
bool readDataFile(const QString &path, Read read)
{
    QFile file;
    if (!openRegularFile(file, path))
        return false;
    LineReader reader(file);
    return read(reader);
}

} // namespace hoopdeck
