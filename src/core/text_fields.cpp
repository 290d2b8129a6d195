#include "text_fields.h"

#include <QVarLengthArray>

#include <algorithm>
#include <limits>

namespace hoopdeck {

namespace {
template <typename View, typename Char>
int splitViews(View line, Char delimiter, int maxFields, View *fields)
{
    int count = 0;
    const qsizetype n = line.size();
    qsizetype i = 0;
    while (count < maxFields) {
        while (i < n && line[i] == delimiter)
            ++i;
        if (i >= n)
            break;
        const qsizetype start = i;
        while (i < n && line[i] != delimiter)
            ++i;
        fields[count++] = line.sliced(start, i - start);
    }
    return count;
}
} // namespace

int splitFieldViews(QStringView line, QChar delimiter, int maxFields, QStringView *fields)
{
    return splitViews(line, delimiter, maxFields, fields);
}

int splitFieldViews(QLatin1StringView line, QLatin1Char delimiter, int maxFields, QLatin1StringView *fields)
{
    return splitViews(line, delimiter, maxFields, fields);
}

QStringList splitFields(const QString &line, QChar delimiter, int maxFields)
{
    // Fields stand apart by at least one delimiter: a line holds no more than this.
    const qsizetype most = line.size() / 2 + 1;
    QVarLengthArray<QStringView, 16> views(std::clamp<qsizetype>(maxFields, 0, most));
    const int count = splitFieldViews(line, delimiter, int(views.size()), views.data());
    QStringList fields;
    fields.reserve(count);
    for (int i = 0; i < count; ++i)
        fields.append(views[i].toString());
    return fields;
}

QString firstQuotedPiece(const QString &text)
{
    return splitFields(text, QLatin1Char('"'), 1).value(0);
}

namespace {
// The reading of decimalToInt on either kind of text a table holds.
template <typename View>
int decimalOf(View text)
{
    const qsizetype n = text.size();
    const auto at = [&text](qsizetype i) { return char16_t(text[i].unicode()); };
    qsizetype i = 0;
    while (i < n && (at(i) == u' ' || (at(i) >= u'\t' && at(i) <= u'\r')))
        ++i;
    bool negative = false;
    if (i < n && (at(i) == u'+' || at(i) == u'-')) {
        negative = at(i) == u'-';
        ++i;
    }
    constexpr qint64 limit = qint64(std::numeric_limits<int>::max()) + 1;
    qint64 value = 0;
    while (i < n && at(i) >= u'0' && at(i) <= u'9') {
        value = std::min(limit, value * 10 + (at(i) - u'0'));
        ++i;
    }
    if (negative)
        value = -value;
    return int(std::clamp<qint64>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}
} // namespace

int decimalToInt(QAnyStringView text)
{
    return text.visit([](auto view) {
        if constexpr (std::is_same_v<decltype(view), QUtf8StringView>)
            return decimalOf(QLatin1StringView(view.data(), view.size()));  // digits and signs are ASCII
        else
            return decimalOf(view);
    });
}

std::optional<int> wholeNumber(QStringView text)
{
    if (text.isEmpty())
        return std::nullopt;
    qint64 value = 0;
    for (QChar c : text) {
        const unsigned digit = unsigned(c.unicode()) - u'0';
        value = value * 10 + digit;
        if (digit > 9 || value > std::numeric_limits<int>::max())
            return std::nullopt;
    }
    return int(value);
}

int hexDigitValue(char16_t c)
{
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    return -1;
}

} // namespace hoopdeck
