#include "sky/sky_data_cache.h"
#include "test_files.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace sky;

TEST(SkyDataCache, ReadsAgainOnlyWhenItsFilesChange)
{
    testing_support::TempDir dir;
    const std::string head = "constellation,polyline,point,lambda,phi\n";
    const auto lines = dir.write(kConstellationLinesFile, head + "Ori,1,1,88,7\nOri,1,2,78,-8\n");
    const std::string folder = std::filesystem::path(lines).parent_path().string();
    SkyLayerOptions figures;
    figures.figures = true;
    const auto first = loadSkyDataCached(folder, figures);
    ASSERT_EQ(first->figures.size(), 1u);

    SkyLayerOptions withGrid = figures; // the same files: kept
    withGrid.gridStep = 10;
    EXPECT_EQ(loadSkyDataCached(folder, withGrid), first);

    dir.write(kConstellationLinesFile, head + "Ori,1,1,88,7\nOri,1,2,78,-8\nOri,2,1,80,0\nOri,2,2,81,1\n");
    EXPECT_EQ(loadSkyDataCached(folder, figures)->figures.size(), 2u);

    const auto none = loadSkyDataCached(folder, SkyLayerOptions{}); // no file asked for: nothing read
    EXPECT_TRUE(none->figures.empty());
}
