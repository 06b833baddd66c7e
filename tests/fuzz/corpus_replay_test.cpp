// Every seed and every input that once broke a reader, read again with the ordinary build.
#include "fuzz_targets.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {

namespace fs = std::filesystem;

struct Target
{
    const char* name; ///< folder under corpus/ and regressions/
    void (*read)(std::string_view);
};

constexpr Target kTargets[] = {
    {"star_file", fuzz::starFile},
    {"vertex_file", fuzz::vertexFile},
    {"face_file", fuzz::faceFile},
    {"face_outline", fuzz::faceOutline},
    {"command_line", fuzz::commandLine},
};

std::string bytesOf(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return std::move(content).str();
}

/// Replays every file under `folder`/<target>; returns how many there were.
int replay(const char* folder, const Target& target)
{
    const fs::path dir = fs::path(ORBWEAVE_FUZZ_DIR) / folder / target.name;
    if (!fs::is_directory(dir))
        return 0;
    int count = 0;
    for (const auto& entry : fs::directory_iterator(dir)) {
        if (!entry.is_regular_file() || entry.path().filename().string().front() == '.')
            continue;
        SCOPED_TRACE(entry.path().string());
        target.read(bytesOf(entry.path())); // aborts, failing the test, on a broken rule
        ++count;
    }
    return count;
}

} // namespace

TEST(FuzzCorpus, SeedsAndRegressionsReadCleanly)
{
    for (const Target& target : kTargets) {
        SCOPED_TRACE(target.name);
        EXPECT_GE(replay("corpus", target), 3) << "the seed corpus is missing";
        replay("regressions", target);
    }
}
