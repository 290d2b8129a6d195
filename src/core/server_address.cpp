#include "server_address.h"

#include <QStringList>

namespace hoopdeck {

namespace {

struct Check {
    ServerAddressState state = ServerAddressState::Acceptable;
    QString problem;  // empty when acceptable
};

// What an acceptable address names.
struct Address {
    bool secure = false;
    QString host;   // without brackets
    int port = -1;  // -1 when none is named
};

Check invalid(const char *problem)
{
    return {ServerAddressState::Invalid, QString::fromLatin1(problem)};
}

Check incomplete(const char *problem)
{
    return {ServerAddressState::Incomplete, QString::fromLatin1(problem)};
}

// The worse of two checks; the first one's words when they are as bad.
Check worse(const Check &a, const Check &b)
{
    return b.state < a.state ? b : a;
}

bool isAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool isLabelCharacter(QChar c)
{
    return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) || (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
        || isAsciiDigit(c) || c == QLatin1Char('-');
}

bool isIpv6Character(QChar c)
{
    return isAsciiDigit(c) || (c >= QLatin1Char('a') && c <= QLatin1Char('f'))
        || (c >= QLatin1Char('A') && c <= QLatin1Char('F')) || c == QLatin1Char(':') || c == QLatin1Char('.');
}

const char *const kPortWords = "The port must be a number from 1 to 65535.";
const char *const kIpv4Words = "An IPv4 address is four numbers from 0 to 255, like 127.0.0.1.";

// A host name's labels: 1-63 letters, digits or hyphens, no hyphen at either end.
Check checkHostName(const QString &host)
{
    if (host.isEmpty())
        return incomplete("Type a host or host:port, like 127.0.0.1:8765.");
    if (host.size() > 253)
        return invalid("A host name has at most 253 characters.");
    const QStringList labels = host.split(QLatin1Char('.'));
    for (int i = 0; i < labels.size(); ++i) {
        const QString &label = labels.at(i);
        if (label.isEmpty()) {
            // Only the last label may still be missing: "10.0.0." is on its way.
            if (i == labels.size() - 1)
                return incomplete("A host name does not end with a dot.");
            return invalid("A host name has no empty part between two dots.");
        }
        for (QChar c : label) {
            if (!isLabelCharacter(c))
                return invalid("A host name holds only letters, digits, hyphens and dots.");
        }
        if (label.size() > 63)
            return invalid("Each part of a host name between dots has at most 63 characters.");
        if (label.startsWith(QLatin1Char('-')))
            return invalid("A part of a host name does not start with a hyphen.");
    }
    if (labels.last().endsWith(QLatin1Char('-')))
        return incomplete("A host name does not end with a hyphen.");
    // All digits reads as an IPv4 address: four numbers of 0-255.
    bool numeric = true;
    for (const QString &label : labels) {
        for (QChar c : label)
            numeric = numeric && isAsciiDigit(c);
    }
    if (!numeric)
        return {};
    if (labels.size() > 4)
        return invalid(kIpv4Words);
    for (const QString &label : labels) {
        if (label.size() > 3 || label.toInt() > 255)
            return invalid(kIpv4Words);
    }
    return labels.size() == 4 ? Check() : incomplete(kIpv4Words);
}

Check checkPort(const QString &port, Address &address)
{
    if (port.isEmpty())
        return incomplete("Type the port after the colon, or no colon for the usual port.");
    if (port.size() > 5)
        return invalid(kPortWords);
    for (QChar c : port) {
        if (!isAsciiDigit(c))
            return invalid(kPortWords);
    }
    const int number = port.toInt();
    if (number > 65535)
        return invalid(kPortWords);
    if (number == 0)
        return incomplete(kPortWords);
    address.port = number;
    return {};
}

// "[v6address]" with an optional ":port"; text starts with the bracket.
Check checkBracketedHost(const QString &text, Address &address)
{
    const qsizetype close = text.indexOf(QLatin1Char(']'));
    const QString inner = text.mid(1, close < 0 ? -1 : close - 1);
    for (QChar c : inner) {
        if (!isIpv6Character(c))
            return invalid("An IPv6 address holds only hexadecimal digits, colons and dots.");
    }
    if (close < 0)
        return incomplete("An IPv6 address ends with ].");
    QUrl url;
    url.setHost(inner, QUrl::StrictMode);
    if (!inner.contains(QLatin1Char(':')) || !url.isValid() || url.host().isEmpty())
        return invalid("Not an IPv6 address between the brackets.");
    address.host = url.host();
    const QString after = text.mid(close + 1);
    if (after.isEmpty())
        return {};
    if (!after.startsWith(QLatin1Char(':')))
        return invalid("Only :port may follow the ] of an IPv6 address.");
    return checkPort(after.mid(1), address);
}

Check examine(const QString &text, Address &address)
{
    QString rest = text;
    const qsizetype schemeEnd = text.indexOf(QLatin1String("://"));
    if (schemeEnd >= 0) {
        const QString scheme = text.left(schemeEnd).toLower();
        if (scheme != QLatin1String("http") && scheme != QLatin1String("https"))
            return invalid("Only http:// or https:// may stand before the host.");
        address.secure = scheme == QLatin1String("https");
        rest = text.mid(schemeEnd + 3);
    } else {
        const QString lower = text.toLower();
        if (lower == QLatin1String("http:/") || lower == QLatin1String("https:/"))
            return incomplete("Type the host after http:// or https://.");
    }
    for (QChar c : rest) {
        if (c.isSpace())
            return invalid("An address holds no blanks.");
        if (c == QLatin1Char('/') || c == QLatin1Char('?') || c == QLatin1Char('#') || c == QLatin1Char('@'))
            return invalid("Only the server goes here: a host and its port, no path or user name.");
    }
    if (rest.startsWith(QLatin1Char('[')))
        return checkBracketedHost(rest, address);
    const QStringList parts = rest.split(QLatin1Char(':'));
    if (parts.size() > 2)
        return invalid("An IPv6 address goes in brackets, like [::1]:8080.");
    const Check host = checkHostName(parts.first());
    address.host = parts.first();
    if (parts.size() == 1 || host.state == ServerAddressState::Invalid)
        return host;
    return worse(host, checkPort(parts.at(1), address));
}

} // namespace

ServerAddressState checkServerAddress(const QString &text)
{
    Address address;
    return examine(text, address).state;
}

QString serverAddressProblem(const QString &text)
{
    Address address;
    return examine(text, address).problem;
}

QUrl serverRequestUrl(const QString &server, const QString &path)
{
    Address address;
    if (examine(server.trimmed(), address).state != ServerAddressState::Acceptable)
        return QUrl();
    QUrl url;
    url.setScheme(address.secure ? QStringLiteral("https") : QStringLiteral("http"));
    url.setHost(address.host);
    if (address.port > 0)
        url.setPort(address.port);
    url.setPath(path);
    return url;
}

} // namespace hoopdeck
