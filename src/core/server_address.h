#pragma once

#include <QString>
#include <QUrl>

namespace hoopdeck {

// How far a typed data server address has got.
enum class ServerAddressState {
    Invalid,       // holds something no address can hold
    Incomplete,    // could still become an address (empty, ends in "." or ":")
    Acceptable,    // a host name, IPv4 or bracketed IPv6 address, with an optional port 1-65535
};

// Checks a data server address as the user types it: "host", "host:port",
// "http://host[:port]" or "https://host[:port]", the host a name, an IPv4
// address or an IPv6 address in brackets ("[::1]:8080").
ServerAddressState checkServerAddress(const QString &text);

// What keeps the address from being acceptable, in words for the user
// ("The port must be a number from 1 to 65535."); empty when it is acceptable.
QString serverAddressProblem(const QString &text);

// The URL that fetches path from the server a stored Server setting names:
// plain HTTP on port 80 unless it says https:// (port 443) or names a port.
// Blanks around the setting are ignored; anything checkServerAddress does
// not accept gives an invalid URL.
QUrl serverRequestUrl(const QString &server, const QString &path);

} // namespace hoopdeck
