#include "server_address.h"

#include <QStringList>

#include <algorithm>

namespace hoopdeck {

namespace {

bool isLabelCharacter(QChar c)
{
    return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) || (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
        || c.isDigit() || c == QLatin1Char('-');
}

// A host name's labels: 1-63 letters, digits or hyphens, no hyphen at either end.
ServerAddressState checkHost(const QString &host)
{
    if (host.isEmpty())
        return ServerAddressState::Incomplete;
    if (host.size() > 253)
        return ServerAddressState::Invalid;
    const QStringList labels = host.split(QLatin1Char('.'));
    for (int i = 0; i < labels.size(); ++i) {
        const QString &label = labels.at(i);
        if (label.isEmpty()) {
            // Only the last label may still be missing: "10.0.0." is on its way.
            if (i == labels.size() - 1)
                return ServerAddressState::Incomplete;
            return ServerAddressState::Invalid;
        }
        if (label.size() > 63 || label.startsWith(QLatin1Char('-')))
            return ServerAddressState::Invalid;
        for (QChar c : label) {
            if (!isLabelCharacter(c))
                return ServerAddressState::Invalid;
        }
    }
    if (labels.last().endsWith(QLatin1Char('-')))
        return ServerAddressState::Incomplete;
    // All digits reads as an IPv4 address: four numbers of 0-255.
    bool numeric = true;
    for (const QString &label : labels) {
        for (QChar c : label)
            numeric = numeric && c.isDigit();
    }
    if (!numeric)
        return ServerAddressState::Acceptable;
    if (labels.size() > 4)
        return ServerAddressState::Invalid;
    for (const QString &label : labels) {
        if (label.size() > 3 || label.toInt() > 255)
            return ServerAddressState::Invalid;
    }
    return labels.size() == 4 ? ServerAddressState::Acceptable : ServerAddressState::Incomplete;
}

ServerAddressState checkPort(const QString &port)
{
    if (port.isEmpty())
        return ServerAddressState::Incomplete;
    if (port.size() > 5)
        return ServerAddressState::Invalid;
    for (QChar c : port) {
        if (!c.isDigit())
            return ServerAddressState::Invalid;
    }
    const int number = port.toInt();
    if (number > 65535)
        return ServerAddressState::Invalid;
    return number == 0 ? ServerAddressState::Incomplete : ServerAddressState::Acceptable;
}

} // namespace

ServerAddressState checkServerAddress(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char(':'));
    if (parts.size() > 2)
        return ServerAddressState::Invalid;
    const ServerAddressState host = checkHost(parts.first());
    if (parts.size() == 1 || host == ServerAddressState::Invalid)
        return host;
    const ServerAddressState port = checkPort(parts.at(1));
    return std::min(host, port);
}

} // namespace hoopdeck
