#include "export/vector_unit.h"

namespace exporter {

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))

namespace {

__attribute__((target("avx"))) void zeroUpper() { __builtin_ia32_vzeroupper(); }

} // namespace

void settleVectorUnit()
{
    static const bool avx = __builtin_cpu_supports("avx");
    if (avx)
        zeroUpper();
}

#else

void settleVectorUnit() {}

#endif

} // namespace exporter
