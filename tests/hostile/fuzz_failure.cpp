#include <stdexcept>

#include "fuzz_check.h"

namespace hoopdeck::fuzz {

// In the replay test a broken expectation fails the row that fed the input.
void fail(const char *expectation, const QString &detail)
{
    throw std::runtime_error(std::string(expectation) + ": " + detail.toStdString());
}

} // namespace hoopdeck::fuzz
