#include "text/number_text.h"

#include <benchmark/benchmark.h>

#include <charconv>
#include <random>
#include <vector>

namespace {

/// Dot centres as the SVG writer sees them: uniform in [0, 60) cm, as single precision.
const std::vector<float>& dotCentres()
{
    static const std::vector<float> values = [] {
        std::mt19937_64 random(2026);
        std::uniform_real_distribution<double> centimetres(0.0, 60.0);
        std::vector<float> v(1 << 16);
        for (float& x : v)
            x = static_cast<float>(centimetres(random));
        return v;
    }();
    return values;
}

template <typename Write>
void writeDotCentres(benchmark::State& state, Write write)
{
    const auto& values = dotCentres();
    std::vector<char> out(values.size() * 32);
    for (auto _ : state) {
        char* at = out.data();
        for (const float v : values)
            at = write(at, v);
        benchmark::DoNotOptimize(at);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(values.size()));
}

void BM_DotCentreText_StdToChars(benchmark::State& state)
{
    writeDotCentres(state, [](char* at, float v) { return std::to_chars(at, at + 32, v).ptr; });
}
BENCHMARK(BM_DotCentreText_StdToChars);

void BM_DotCentreText_PutShortest(benchmark::State& state)
{
    writeDotCentres(state, [](char* at, float v) { return text::putShortest(at, v); });
}
BENCHMARK(BM_DotCentreText_PutShortest);

} // namespace
