#include "stars/star_catalogue.h"
#include "test_files.h"
#include "text/input_error.h"

#include <gtest/gtest.h>

using namespace stars;

TEST(StarCatalogue, ReadsStarsExactlyAsWritten)
{
    testing_support::TempDir dir;
    const auto path = dir.write("stars.csv", "101.29,-16.72,-1.46\r\n-30,95,9\r\n400.5,0,1.5e0\r\n");
    const StarCatalogue catalogue = ReadStarFile(path);
    ASSERT_EQ(catalogue.StarCount(), 3);
    EXPECT_DOUBLE_EQ(catalogue.stars[0].Lambda, 101.29);
    EXPECT_DOUBLE_EQ(catalogue.stars[0].Phi, -16.72);
    EXPECT_DOUBLE_EQ(catalogue.stars[0].Vmag, -1.46);
    // No wrapping of longitudes, no clamping of latitudes.
    EXPECT_DOUBLE_EQ(catalogue.stars[1].Lambda, -30.0);
    EXPECT_DOUBLE_EQ(catalogue.stars[1].Phi, 95.0);
    EXPECT_DOUBLE_EQ(catalogue.stars[2].Lambda, 400.5);
    EXPECT_DOUBLE_EQ(catalogue.stars[2].Vmag, 1.5);
}

TEST(StarCatalogue, EmptyFileGivesNoStars)
{
    testing_support::TempDir dir;
    EXPECT_EQ(ReadStarFile(dir.write("empty.csv", "")).StarCount(), 0);
}

TEST(StarCatalogue, ABadRecordRefusesTheWholeFile)
{
    testing_support::TempDir dir;
    const auto path = dir.write("bad.csv", "1,2,3\r\n4,5,6\r\n7,8\r\n");
    EXPECT_THROW(ReadStarFile(path), text::InputError);
}

TEST(StarCatalogue, BundledCatalogueReadsWhole)
{
    const StarCatalogue catalogue = ReadStarFile(ORBWEAVE_DATA_DIR "/bright-stars.csv");
    ASSERT_EQ(catalogue.StarCount(), 9096);
    // Sirius, as the catalogue's notes give it.
    bool sirius = false;
    for (const auto& s : catalogue.stars)
        sirius = sirius || (s.Lambda == 101.2875 && s.Phi == -16.7161 && s.Vmag == -1.46);
    EXPECT_TRUE(sirius);
    for (const auto& s : catalogue.stars) {
        ASSERT_GE(s.Lambda, 0.0);
        ASSERT_LT(s.Lambda, 360.0);
        ASSERT_LE(std::abs(s.Phi), 90.0);
    }
}
