#pragma once

#include <QAnyStringView>
#include <QChar>
#include <QString>
#include <QStringList>

#include <optional>

namespace hoopdeck {

// Splits a line at a delimiter: a run of delimiters counts as one and
// leading delimiters are skipped, so no field is ever empty and the later
// fields move up. At most maxFields fields are returned; the rest is ignored.
QStringList splitFields(const QString &line, QChar delimiter, int maxFields);
// The same fields as views of the line, into fields[0..maxFields); returns how many.
int splitFieldViews(QStringView line, QChar delimiter, int maxFields, QStringView *fields);
int splitFieldViews(QLatin1StringView line, QLatin1Char delimiter, int maxFields, QLatin1StringView *fields);

// The text after any leading double quotes up to the next double quote,
// or an empty text when there is none.
QString firstQuotedPiece(const QString &text);

// Leading blanks skipped, an optional sign, digits up to the first
// non-digit; no digits gives 0. Values beyond 32 bits are clamped.
int decimalToInt(QAnyStringView text);

// A field of decimal digits only (no blank, no sign) that fits in an int;
// nothing for any other text.
std::optional<int> wholeNumber(QStringView text);

// The value of one hexadecimal digit (either case), or -1.
int hexDigitValue(char16_t c);

} // namespace hoopdeck
