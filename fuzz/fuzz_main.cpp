// The libFuzzer entry point; HOOPDECK_FUZZ_TARGET names the target this
// executable drives.
#include "fuzz_targets.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    return hoopdeck::fuzz::HOOPDECK_FUZZ_TARGET(data, size);
}
