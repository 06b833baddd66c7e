// libFuzzer entry: the input as a vertex file.
#include "fuzz_targets.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::vertexFile(std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}
