#include "synthetic_catalogue.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <stdexcept>
#include <unistd.h>

namespace bench_support {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kBrightest = -1.46; // Sirius
constexpr double kFaintest = 12.0;
// log10 of the growth of the star count per magnitude: 0.5 is ten times more stars every two magnitudes.
constexpr double kCountSlope = 0.5;

// A uniform double in (0, 1] from the engine's 53 high bits; std distributions differ between
// standard libraries, the engine's output does not.
double unitInterval(std::mt19937_64& engine)
{
    return (static_cast<double>(engine() >> 11) + 1.0) * 0x1.0p-53;
}

void append(std::string& out, double value, int decimals)
{
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    out.append(buffer, result.ptr);
}

} // namespace

std::string syntheticStarFile(std::size_t starCount, std::uint64_t seed)
{
    std::mt19937_64 engine(seed);
    std::string out;
    out.reserve(starCount * 28);
    for (std::size_t i = 0; i < starCount; ++i) {
        const double lambda = 360.0 * (1.0 - unitInterval(engine));
        // Uniform on the sphere: the sine of the latitude is uniform in −1…1.
        const double phi = std::asin(2.0 * unitInterval(engine) - 1.0) * 180.0 / kPi;
        // N(< m) ∝ 10^(kCountSlope m), inverted and cut at the brightest star.
        const double vmag = std::max(kBrightest, kFaintest + std::log10(unitInterval(engine)) / kCountSlope);
        append(out, lambda, 4);
        out += ',';
        append(out, phi, 4);
        out += ',';
        append(out, vmag, 2);
        out += "\r\n";
    }
    return out;
}

TempStarFile::TempStarFile(const std::string& content)
{
    const auto base = std::filesystem::temp_directory_path();
    for (int i = 0;; ++i) {
        const auto candidate = base / ("orbweave-bench-" + std::to_string(::getpid()) + "-" + std::to_string(i) + ".csv");
        if (!std::filesystem::exists(candidate)) {
            m_path = candidate.string();
            break;
        }
    }
    std::ofstream out(m_path, std::ios::binary);
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
    if (!out)
        throw std::runtime_error("cannot write the benchmark star file " + m_path);
}

TempStarFile::~TempStarFile()
{
    std::remove(m_path.c_str());
}

} // namespace bench_support
