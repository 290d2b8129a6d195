#pragma once

#include <QString>

namespace hoopdeck {

// How far a typed data server address has got.
enum class ServerAddressState {
    Invalid,       // holds something no address can hold
    Incomplete,    // could still become an address (empty, ends in "." or ":")
    Acceptable,    // a host name or IPv4 address, with an optional port 1-65535
};

// Checks a data server address as "host" or "host:port", as the user types it.
ServerAddressState checkServerAddress(const QString &text);

} // namespace hoopdeck
