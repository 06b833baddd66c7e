#include "stars/star_catalogue.h"
#include "synthetic_catalogue.h"

#include <benchmark/benchmark.h>

#include <charconv>
#include <cstdio>
#include <vector>

namespace {

constexpr std::size_t kMillion = 1'000'000;

const bench_support::TempStarFile& millionStarFile()
{
    static const bench_support::TempStarFile file(bench_support::syntheticStarFile(kMillion));
    return file;
}

// The file read whole in one go, as plainly as it can be.
std::string wholeFile(const std::string& path)
{
    std::FILE* f = std::fopen(path.c_str(), "rb");
    std::fseek(f, 0, SEEK_END);
    std::string content(static_cast<std::size_t>(std::ftell(f)), '\0');
    std::fseek(f, 0, SEEK_SET);
    content.resize(std::fread(content.data(), 1, content.size(), f));
    std::fclose(f);
    return content;
}

// The least a reader must do: every field through from_chars, no checks, no messages.
std::vector<double> fromCharsLoop(const std::string& content)
{
    std::vector<double> values;
    const char* p = content.data();
    const char* const end = p + content.size();
    while (p < end) {
        double value = 0.0;
        p = std::from_chars(p, end, value).ptr;
        values.push_back(value);
        while (p < end && (*p == ',' || *p == '\r' || *p == '\n'))
            ++p;
    }
    return values;
}

void BM_ReadStarFile_BundledCatalogue(benchmark::State& state)
{
    const std::string path = ORBWEAVE_DATA_DIR "/bright-stars.csv";
    for (auto _ : state) {
        auto catalogue = stars::ReadStarFile(path);
        benchmark::DoNotOptimize(catalogue.stars.data());
    }
}
BENCHMARK(BM_ReadStarFile_BundledCatalogue)->Unit(benchmark::kMillisecond);

void BM_ReadStarFile_MillionStars(benchmark::State& state)
{
    const std::string& path = millionStarFile().path();
    for (auto _ : state) {
        auto catalogue = stars::ReadStarFile(path);
        benchmark::DoNotOptimize(catalogue.stars.data());
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * kMillion));
}
BENCHMARK(BM_ReadStarFile_MillionStars)->Unit(benchmark::kMillisecond);

// The yardstick for the one above: the same file read whole and run through from_chars.
void BM_FromCharsLoop_MillionStars(benchmark::State& state)
{
    const std::string& path = millionStarFile().path();
    for (auto _ : state) {
        auto values = fromCharsLoop(wholeFile(path));
        benchmark::DoNotOptimize(values.data());
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * kMillion));
}
BENCHMARK(BM_FromCharsLoop_MillionStars)->Unit(benchmark::kMillisecond);

// The two above without the file: parsing only.
void BM_ParseStarFile_MillionStarsInMemory(benchmark::State& state)
{
    const std::string content = wholeFile(millionStarFile().path());
    for (auto _ : state) {
        auto catalogue = stars::parseStarFile(content, "synthetic.csv");
        benchmark::DoNotOptimize(catalogue.stars.data());
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * kMillion));
}
BENCHMARK(BM_ParseStarFile_MillionStarsInMemory)->Unit(benchmark::kMillisecond);

void BM_FromCharsLoop_MillionStarsInMemory(benchmark::State& state)
{
    const std::string content = wholeFile(millionStarFile().path());
    for (auto _ : state) {
        auto values = fromCharsLoop(content);
        benchmark::DoNotOptimize(values.data());
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * kMillion));
}
BENCHMARK(BM_FromCharsLoop_MillionStarsInMemory)->Unit(benchmark::kMillisecond);

} // namespace
