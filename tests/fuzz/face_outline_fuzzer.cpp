// libFuzzer entry: the input as model files and a face outline.
#include "fuzz_targets.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::faceOutline(std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}
