#pragma once

#include <QString>

#include "text_table.h"

namespace hoopdeck::fuzz {

// Reports a broken expectation and does not return. The fuzzers abort, so
// libFuzzer keeps the input; the corpus replay test turns it into a failure.
[[noreturn]] void fail(const char *expectation, const QString &detail);

// Every row holds exactly cellsPerRow cells and no cell holds a line feed.
void expectRows(const TextTable &table, int cellsPerRow, const char *tableName);

bool sameRows(const TextTable &a, const TextTable &b);

// The row as one readable line, for failure reports.
QString describeRow(const TextTable &table, int row);

} // namespace hoopdeck::fuzz

#define FUZZ_EXPECT(condition, detail)                                 \
    do {                                                               \
        if (!(condition))                                              \
            ::hoopdeck::fuzz::fail(#condition, (detail));              \
    } while (false)
