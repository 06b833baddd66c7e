// Writes a benchmark catalogue to standard output, for timing whole orbweave-export runs:
//   synthetic_catalogue [uniform|hipparcos] COUNT
#include "synthetic_catalogue.h"

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv)
{
    const std::string kind = argc > 1 ? argv[1] : "";
    const long long count = argc > 2 ? std::atoll(argv[2]) : 0;
    if (argc != 3 || (kind != "uniform" && kind != "hipparcos") || count < 1) {
        std::fputs("usage: synthetic_catalogue uniform|hipparcos COUNT > stars.csv\n", stderr);
        return 2;
    }
    const auto n = static_cast<std::size_t>(count);
    const std::string file = kind == "uniform" ? bench_support::syntheticStarFile(n)
                                               : bench_support::hipparcosLikeStarFile(n);
    return std::fwrite(file.data(), 1, file.size(), stdout) == file.size() && std::fflush(stdout) == 0 ? 0 : 1;
}
