// libFuzzer entry: the input as orbweave-export's arguments, split at NUL bytes.
#include "fuzz_targets.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::commandLine(std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}
