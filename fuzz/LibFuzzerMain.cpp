// libFuzzer's entry for the target named by ZEVRAS_FUZZ_TARGET.

#include "FuzzEntries.h"

#include <cstddef>
#include <cstdint>

namespace {
const fuzz::Target *const kTarget = fuzz::findTarget(ZEVRAS_FUZZ_TARGET);
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    fuzz::require(kTarget != nullptr, "unknown fuzz target " ZEVRAS_FUZZ_TARGET);
    kTarget->entry(QByteArrayView(data, qsizetype(size)));
    return 0;
}
