#include "stars/star_file_cache.h"
#include "test_files.h"
#include "text/input_error.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace stars;

TEST(StarFileCache, ReadsAgainOnlyWhenTheFileChanged)
{
    testing_support::TempDir dir;
    const auto path = dir.write("stars.csv", "1,2,3\r\n");
    const auto other = dir.write("other.csv", "1,2,3\r\n");
    const auto first = ReadStarFileCached(path);
    EXPECT_EQ(ReadStarFileCached(path), first) << "unchanged file read again";

    // Same size, new time: read again.
    const auto time = std::filesystem::last_write_time(path);
    dir.write("stars.csv", "4,5,6\r\n");
    std::filesystem::last_write_time(path, time + std::chrono::seconds(2));
    const auto sameSize = ReadStarFileCached(path);
    ASSERT_NE(sameSize, first);
    EXPECT_DOUBLE_EQ(sameSize->stars.at(0).Lambda, 4.0);

    // New size, the old time put back: read again.
    dir.write("stars.csv", "7,8,9\r\n10,11,12\r\n");
    std::filesystem::last_write_time(path, time + std::chrono::seconds(2));
    EXPECT_EQ(ReadStarFileCached(path)->stars.size(), 2u);

    // Another file, then a file that has become bad: never the kept catalogue.
    EXPECT_DOUBLE_EQ(ReadStarFileCached(other)->stars.at(0).Lambda, 1.0);
    dir.write("other.csv", "1,2\r\n");
    EXPECT_THROW(ReadStarFileCached(other), text::InputError);
    EXPECT_THROW(ReadStarFileCached(other), text::InputError);
}
