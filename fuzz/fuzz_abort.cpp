#include <cstdio>
#include <cstdlib>

#include "fuzz_check.h"

namespace hoopdeck::fuzz {

void fail(const char *expectation, const QString &detail)
{
    std::fprintf(stderr, "\n*** broken expectation: %s\n    %s\n", expectation, qPrintable(detail));
    std::fflush(stderr);
    std::abort();
}

} // namespace hoopdeck::fuzz
