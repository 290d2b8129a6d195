#include "text_table.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <limits>

namespace hoopdeck {

namespace {
bool isLatin1(QStringView text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() <= 0xff; });
}

// The part of a text a reader can see.
template <typename View>
View readable(View text)
{
    return text.first(std::min<qsizetype>(text.size(), TextTable::kCellReadLimit));
}

struct QAnyStringViewRange {
    const QAnyStringView *first;
    const QAnyStringView *last;
    const QAnyStringView *begin() const { return first; }
    const QAnyStringView *end() const { return last; }
};
} // namespace

TextTable::TextTable(int columnCount) : columns_(std::max(columnCount, 0)) {}

void TextTable::clear()
{
    starts_.clear();
    lengths_.clear();
    widths_.clear();
    latin1_.resize(0);
    utf16_.clear();
    wide_ = false;
}

void TextTable::reserve(qsizetype rows, qsizetype characters)
{
    const size_t cells = size_t(std::max<qsizetype>(rows, 0)) * size_t(columns_);
    starts_.reserve(cells);
    lengths_.reserve(cells);
    widths_.reserve(size_t(std::max<qsizetype>(rows, 0)));
    if (wide_)
        utf16_.reserve(characters);
    else
        latin1_.reserve(characters);
}

void TextTable::widen()
{
    utf16_ = QString::fromLatin1(latin1_);
    latin1_ = QByteArray();
    wide_ = true;
}

void TextTable::pushText(QAnyStringView text)
{
    const qsizetype arena = wide_ ? utf16_.size() : latin1_.size();
    if (arena > qsizetype(std::numeric_limits<quint32>::max()) - kCellReadLimit)
        qBadAlloc();
    starts_.push_back(quint32(arena));
    text.visit([this](auto view) {
        if constexpr (std::is_same_v<decltype(view), QLatin1StringView>) {
            pushLatin1(readable(view));
        } else if constexpr (std::is_same_v<decltype(view), QStringView>) {
            pushUtf16(readable(view));
        } else {  // UTF-8: a literal
            const QString owned = view.toString();
            pushUtf16(readable(QStringView(owned)));
        }
    });
}

void TextTable::pushLatin1(QLatin1StringView text)
{
    if (wide_) {
        utf16_.append(text);
    } else {
        // Copied in by hand: QByteArray::append goes the way of a general insert.
        if (const qsizetype at = latin1_.size(); !text.isEmpty()) {
            latin1_.resize(at + text.size());
            std::memcpy(latin1_.data() + at, text.data(), size_t(text.size()));
        }
    }
    lengths_.push_back(Length(text.size()));
}

void TextTable::pushUtf16(QStringView text)
{
    if (!wide_ && !isLatin1(text))
        widen();
    if (wide_) {
        utf16_.append(text);
    } else {
        const qsizetype at = latin1_.size();
        latin1_.resize(at + text.size());
        char *out = latin1_.data() + at;
        for (qsizetype i = 0; i < text.size(); ++i)
            out[i] = char(text[i].unicode());
    }
    lengths_.push_back(Length(text.size()));
}

void TextTable::setColumnCount(int columns)
{
    // Laid out again with the new row length: a table widens at its first
    // rows, if ever.
    std::vector<quint32> starts(size_t(count()) * size_t(columns), 0);
    std::vector<Length> lengths(starts.size(), 0);
    for (size_t row = 0; row < size_t(count()); ++row) {
        for (size_t c = 0; c < size_t(columns_); ++c) {
            starts[row * size_t(columns) + c] = starts_[row * size_t(columns_) + c];
            lengths[row * size_t(columns) + c] = lengths_[row * size_t(columns_) + c];
        }
    }
    starts_ = std::move(starts);
    lengths_ = std::move(lengths);
    columns_ = columns;
}

template <typename Cells>
void TextTable::pushCells(const Cells &cells)
{
    const int given = int(std::min<size_t>(size_t(std::distance(std::begin(cells), std::end(cells))),
                                           std::numeric_limits<quint16>::max()));
    if (given > columns_)
        setColumnCount(given);
    int pushed = 0;
    for (const auto &text : cells) {
        if (pushed == given)
            break;
        pushText(text);
        ++pushed;
    }
    for (int c = given; c < columns_; ++c) {
        starts_.push_back(0);
        lengths_.push_back(0);
    }
    widths_.push_back(quint16(given));
}

int TextTable::appendRow(std::initializer_list<QAnyStringView> cells)
{
    pushCells(cells);
    return count() - 1;
}

int TextTable::appendRow(const QStringList &cells)
{
    pushCells(cells);
    return count() - 1;
}

int TextTable::appendRow(const QAnyStringView *cells, int given)
{
    pushCells(QAnyStringViewRange{cells, cells + std::max(given, 0)});
    return count() - 1;
}

int TextTable::cellCount(int row) const
{
    return row >= 0 && row < count() ? widths_[size_t(row)] : 0;
}

QStringList TextTable::rowCells(int row) const
{
    QStringList cells;
    for (int column = 0; column < cellCount(row); ++column)
        cells.append(cell(row, column).toString());
    return cells;
}

void TextTable::clearColumn(int column)
{
    if (column < 0 || column >= columns_)
        return;
    for (int row = 0; row < count(); ++row)
        lengths_[size_t(row) * size_t(columns_) + size_t(column)] = 0;
}

} // namespace hoopdeck
