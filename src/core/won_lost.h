#pragma once

#include <QString>

namespace hoopdeck {

// A won-lost record, as every list of records writes it ("36-46").
struct WonLost {
    int won = 0;
    int lost = 0;

    void add(bool win) { (win ? won : lost) += 1; }
    QString text() const { return QStringLiteral("%1-%2").arg(won).arg(lost); }
};

} // namespace hoopdeck
