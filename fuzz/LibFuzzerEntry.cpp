// The libFuzzer entry of one fuzz target. The build compiles this file once per target and
// names the target's class in KESTRUNE_FUZZ_TARGET.
#include "FuzzTargets.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    KESTRUNE_FUZZ_TARGET::run(QByteArrayView(data, qsizetype(size)));
    return 0;
}
