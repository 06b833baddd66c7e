#include "stars/star_catalogue.h"

#include <benchmark/benchmark.h>

static void BM_ReadStarFile_BundledCatalogue(benchmark::State& state)
{
    const std::string path = ORBWEAVE_DATA_DIR "/bright-stars.csv";
    for (auto _ : state) {
        auto catalogue = stars::ReadStarFile(path);
        benchmark::DoNotOptimize(catalogue.stars.data());
    }
}
BENCHMARK(BM_ReadStarFile_BundledCatalogue)->Unit(benchmark::kMillisecond);
